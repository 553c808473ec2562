#include "platform/program_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A prefix laid out as installed, bin/ and share/quorvan/, with the guide added step by step.
TEST(ProgramFiles, BesideTheExecutableFirstThenTheShareFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/quorvan"));
    const QString bin = prefix.filePath("bin"), beside = prefix.filePath("bin/guide.txt"),
                  shared = prefix.filePath("share/quorvan/guide.txt");
    // Missing: the caller names the place it looked first.
    EXPECT_EQ(qv::platform::programFilePath(bin, "guide.txt"), beside);
    ASSERT_TRUE(QFile(shared).open(QIODevice::WriteOnly));
    // Also with the folder as applicationDirPath() might give it.
    EXPECT_EQ(qv::platform::programFilePath(bin + "/", "guide.txt"), shared);
    // A build folder wins over an older installed copy.
    ASSERT_TRUE(QFile(beside).open(QIODevice::WriteOnly));
    EXPECT_EQ(qv::platform::programFilePath(bin, "guide.txt"), beside);
    // A folder of the same name is no file.
    ASSERT_TRUE(QFile::remove(beside) && QDir(bin).mkdir("guide.txt"));
    EXPECT_EQ(qv::platform::programFilePath(bin, "guide.txt"), shared);
}

}  // namespace
