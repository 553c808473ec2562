#include "platform/program_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A prefix laid out as installed, bin/ and share/quorvan/, with the guide where a case puts
// it: beside the executable first, then the share folder.
TEST(ProgramFiles, BesideTheExecutableFirstThenTheShareFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/quorvan"));
    const QString bin = prefix.filePath("bin"), beside = prefix.filePath("bin/guide.txt"),
                  shared = prefix.filePath("share/quorvan/guide.txt");
    const struct {
        bool besideExists, sharedExists, expectBeside;
    } cases[] = {
        {true, false, true},
        {false, true, false},
        {true, true, true},    // a build folder wins over an older installed copy
        {false, false, true},  // missing: the caller names the place it looked first
    };
    for (const auto& c : cases) {
        for (const auto& [path, exists] :
             {std::pair{beside, c.besideExists}, {shared, c.sharedExists}}) {
            QFile file(path);
            if (exists)
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            else
                file.remove();
        }
        // Also with the folder as applicationDirPath() might give it.
        for (const QString& folder : {bin, bin + "/"})
            EXPECT_EQ(qv::platform::programFilePath(folder, "guide.txt"),
                      c.expectBeside ? beside : shared)
                << c.besideExists << c.sharedExists;
    }
    // A folder of the same name is no file.
    ASSERT_TRUE(QDir(bin).mkdir("guide.txt") && QFile(shared).open(QIODevice::WriteOnly));
    EXPECT_EQ(qv::platform::programFilePath(bin, "guide.txt"), shared);
}

}  // namespace
