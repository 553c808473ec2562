// The workbook file itself: where it is made, who may read it, and what is left when
// writing fails.
#include "platform/xlsx_writer.h"
#include "tests/support/thrown_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace qv::platform;

WorkbookLayout oneSheet() {
    WorkbookLayout layout;
    layout.fontName = "Segoe UI";
    layout.styles = {CellStyle{}};
    layout.sheetNames = {"S"};
    return layout;
}

SheetRow textRow(int row, const QString& text) {
    Cell cell;
    cell.text = text;
    return {row, {cell}};
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

    XlsxWriter first(folder, "lots-", oneSheet());
    XlsxWriter second(folder, "lots-", oneSheet());
    EXPECT_NE(first.path(), second.path());
    EXPECT_TRUE(QFileInfo(first.path()).fileName().startsWith("lots-"));
    EXPECT_TRUE(first.path().endsWith(".xlsx"));
    // The name is taken at once, so no other program can put a file of its own there.
    EXPECT_TRUE(QFileInfo::exists(first.path()));
    first.writeRow(textRow(1, "x"));
    first.close();
    EXPECT_TRUE(ownerOnly(first.path()));
    EXPECT_GT(QFileInfo(first.path()).size(), 1000);
}

TEST(XlsxWriter, AWorkbookNotFinishedLeavesNothingBehind) {
    QTemporaryDir dir;
    QString path;
    {
        XlsxWriter writer(dir.path(), "r-", oneSheet());
        path = writer.path();
        writer.writeRow(textRow(2, "x"));
        // Rows only go down the sheet.
        EXPECT_EQ(qv::tests::thrownText<XlsxError>([&] { writer.writeRow(textRow(2, "y")); }),
                  "Row 2 comes after row 2");
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "temporary files left";
}

TEST(XlsxWriter, AFileThatCannotBeWrittenIsReportedByName) {
    QTemporaryDir dir;
    XlsxWriter writer(dir.path(), "r-", oneSheet());
    writer.writeRow(textRow(1, "x"));
    // A folder in the file's place cannot be written, whoever runs the test.
    ASSERT_TRUE(QFile::remove(writer.path()));
    ASSERT_TRUE(QDir().mkdir(writer.path()));
    const QString error = qv::tests::thrownText<XlsxError>([&] { writer.close(); });
    EXPECT_TRUE(error.startsWith("Cannot write the workbook " + writer.path() + ": "))
        << error.toStdString();

    QTemporaryDir gone;
    const QString missing = gone.path() + "/none";
    EXPECT_TRUE(qv::tests::thrownText<XlsxError>([&] {
                    XlsxWriter(missing, "r-", oneSheet());
                }).startsWith("Cannot create a workbook file in " + missing));
}

TEST(XlsxWriter, PicturesThatAreMissingOrNotPicturesAreLeftOut) {
    QTemporaryDir dir;
    QFile notAPicture(dir.filePath("logo.bmp"));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("not a picture");
    notAPicture.close();
    XlsxWriter writer(dir.path(), "r-", oneSheet());
    EXPECT_FALSE(writer.insertImage(1, 0, dir.filePath("none.bmp")));
    EXPECT_FALSE(writer.insertImage(1, 0, notAPicture.fileName()));
    writer.close();
    EXPECT_TRUE(QFileInfo::exists(writer.path()));
}

}  // namespace
