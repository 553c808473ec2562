// One QApplication for every test executable: widget tests need it and the rest do not mind.
// Offscreen unless told otherwise, so test discovery works without a display too. ctest runs
// each case as its own process, in parallel: every process gets XDG folders of its own, so
// sign-on profiles and demo companies of concurrent cases never meet, nor the user's files.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The offscreen platform's screens, fixed rather than its default, so window sizes are the
// same on every machine: the desk screen first (the primary, where windows open), then the
// laptop screen to its right, whose 1600 x 1000 pixels at 150 % leave 1067 x 667 logical
// pixels. The platform reads this file when the application starts.
constexpr char kScreens[] = R"({"screens": [
    {"name": "desk", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96},
    {"name": "laptop", "x": 1920, "y": 0, "width": 1600, "height": 1000, "logicalDpi": 144}
]})";

bool useOffscreenScreens(const QString& folder) {
    QFile config(folder + QStringLiteral("/screens.json"));
    if (!config.open(QIODevice::WriteOnly) || config.write(kScreens) < 0)
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !useOffscreenScreens(home.path()))
        return 2;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (home.path() + '/' + QString::fromLatin1(name)).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
