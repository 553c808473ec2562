// The workbook file itself: where it is made, who may read it, and what is left when
// writing fails.
#include "platform/xlsx_writer.h"
#include "tests/support/thrown_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace qv::platform;

// A one-sheet workbook in folder with the text "x" in row 1.
std::unique_ptr<XlsxWriter> workbook(const QString& folder, const QString& prefix = "r-") {
    WorkbookLayout layout;
    layout.fontName = "Segoe UI";
    layout.styles = {CellStyle{}};
    layout.sheetNames = {"S"};
    auto writer = std::make_unique<XlsxWriter>(folder, prefix, layout);
    Cell cell;
    cell.text = "x";
    writer->writeRow({1, {cell}});
    return writer;
}

// Nobody but the owner may read, write or enter.
bool ownerOnly(const QString& path) {
    constexpr auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const auto permissions = QFileInfo(path).permissions();
    return (permissions & others) == 0 && (permissions & QFile::ReadOwner) &&
           (permissions & QFile::WriteOwner);
}

TEST(XlsxWriter, FilesGoToAPrivateCacheFolderUnderUnpredictableNames) {
    const QString folder = workbookFolder();
    EXPECT_EQ(folder, qEnvironmentVariable("XDG_CACHE_HOME") + "/quorvan");
    EXPECT_TRUE(ownerOnly(folder));
    auto first = workbook(folder, "lots-"), second = workbook(folder, "lots-");
    EXPECT_NE(first->path(), second->path());
    EXPECT_TRUE(QFileInfo(first->path()).fileName().startsWith("lots-"));
    EXPECT_TRUE(first->path().endsWith(".xlsx"));
    // The name is taken at once, so no other program can put a file of its own there.
    EXPECT_TRUE(QFileInfo::exists(first->path()));
    // A file that is no picture is left out (a missing one is the printout commands' test).
    QTemporaryDir dir;
    QFile notAPicture(dir.filePath("logo.bmp"));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly) && notAPicture.write("not a picture") > 0);
    notAPicture.close();
    EXPECT_FALSE(first->insertImage(1, 0, notAPicture.fileName()));
    first->close();
    EXPECT_TRUE(ownerOnly(first->path()));
    EXPECT_GT(QFileInfo(first->path()).size(), 1000);
}

TEST(XlsxWriter, FailuresAreReportedByNameAndLeaveNothingBehind) {
    QTemporaryDir dir;
    {
        auto writer = workbook(dir.path());
        // Rows only go down the sheet.
        EXPECT_EQ(qv::tests::thrownText<XlsxError>([&] {
                      writer->writeRow({1, {}});
                  }),
                  "Row 1 comes after row 1");
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a workbook not finished left files";

    auto writer = workbook(dir.path());
    // A folder in the file's place cannot be written, whoever runs the test.
    ASSERT_TRUE(QFile::remove(writer->path()) && QDir().mkdir(writer->path()));
    const QString error = qv::tests::thrownText<XlsxError>([&] { writer->close(); });
    EXPECT_TRUE(error.startsWith("Cannot write the workbook " + writer->path() + ": "))
        << error.toStdString();

    const QString missing = dir.filePath("none");
    EXPECT_TRUE(qv::tests::thrownText<XlsxError>([&] {
                    workbook(missing);
                }).startsWith("Cannot create a workbook file in " + missing));
}

}  // namespace
