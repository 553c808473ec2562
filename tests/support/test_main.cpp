// One QApplication for every test executable: widget tests need it and the rest do not mind.
// Offscreen unless told otherwise, so test discovery works without a display too. ctest runs
// each case as its own process, in parallel: every process gets XDG folders of its own, so
// sign-on profiles and demo companies of concurrent cases never meet, nor the user's files.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (home.path() + '/' + QString::fromLatin1(name)).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
