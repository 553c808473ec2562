#include "platform/program_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A prefix laid out as installed: bin/ and share/quorvan/, with the guide where a case puts it.
class ProgramFiles : public ::testing::Test {
protected:
    QTemporaryDir prefix;
    QString bin() const { return prefix.filePath("bin"); }
    QString beside() const { return prefix.filePath("bin/guide.txt"); }
    QString shared() const { return prefix.filePath("share/quorvan/guide.txt"); }

    void SetUp() override {
        ASSERT_TRUE(prefix.isValid());
        ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(prefix.path()).mkpath("share/quorvan"));
    }
    static void write(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write("guide\n");
    }
};

TEST_F(ProgramFiles, BesideTheExecutableFirstThenTheShareFolder) {
    const struct {
        bool besideExists;
        bool sharedExists;
        bool expectBeside;
    } cases[] = {
        {true, false, true},
        {false, true, false},
        {true, true, true},    // a build folder wins over an older installed copy
        {false, false, true},  // missing: the caller names the place it looked first
    };
    for (const auto& c : cases) {
        QFile::remove(beside());
        QFile::remove(shared());
        if (c.besideExists)
            write(beside());
        if (c.sharedExists)
            write(shared());
        EXPECT_EQ(qv::platform::programFilePath(bin(), "guide.txt"),
                  c.expectBeside ? beside() : shared())
            << c.besideExists << c.sharedExists;
        // The same with the folder as applicationDirPath() might give it.
        EXPECT_EQ(qv::platform::programFilePath(bin() + "/", "guide.txt"),
                  c.expectBeside ? beside() : shared());
    }
}

TEST_F(ProgramFiles, AFolderOfTheSameNameIsNoFile) {
    ASSERT_TRUE(QDir(bin()).mkdir("guide.txt"));
    write(shared());
    EXPECT_EQ(qv::platform::programFilePath(bin(), "guide.txt"), shared());
}

}  // namespace
