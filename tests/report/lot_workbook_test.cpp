// A real report workbook, written to a file and read back by another reader (openpyxl):
// what a spreadsheet application will find in it.
#include "data/demo_company.h"
#include "report/lot_report_writer.h"
#include "tests/support/workbook_reader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace qv::report;

const QDateTime kNow(QDate(2026, 12, 5), QTime(14, 3, 7));

ReportRecord record(const QString& location, const QString& item, double qty, const QString& uom,
                    int onQuart = 0) {
    ReportRecord r;
    r.LOCATION = location;
    r.ITEMNUM = item;
    r.LOTNUM = "L-" + item + "-" + location;
    r.QTYAVAIL = qty;
    r.UOM = uom;
    r.GRADE = "B";
    r.CUSTCODE = "CUST1";
    r.ONQUART = onQuart;
    r.CATEGORY = "CAT";
    r.ITEMDESC = "Green peas, frozen";
    r.PRODCODE = "PC9";
    r.PALLETSTATUS = "OK";
    r.WHSCODE = "W7";
    return r;
}

class LotWorkbookTest : public ::testing::Test {
protected:
    // Writes the records' report and reads it back.
    QJsonObject writeAndRead(const std::vector<ReportRecord>& input, PrintLayout layout,
                             int fontSize, const QString& logo) {
        ReportRecords records;
        for (const ReportRecord& r : input)
            records.add(r);
        LotReportWriter writer(dir.path(), fontSize, kNow);
        writer.writeRows(records);
        writer.finish(layout, records.size(), logo);
        return qv::tests::readWorkbook(writer.path());
    }

    QTemporaryDir dir;
};

TEST_F(LotWorkbookTest, ReadBackByAnotherReader) {
    const QString logo = dir.filePath("brisvale.bmp");
    qv::data::writeDemoLogo(logo);
    const QJsonObject book =
        writeAndRead({record("X1", "PEAS", 1234.5, "KG", 1), record("X1", "PEAS", 10, "KG"),
                      record("", "PEAS", 99, "KG"), record("Y2", "SACK", 1234.5, "EA")},
                     PrintLayout::Narrow, 12, logo);

    EXPECT_EQ(book["sheets"].toArray(), QJsonArray({"QUORVAN", "PICK"}));
    const QJsonObject cells = book["cells"].toObject();
    const auto cell = [&](const char* address) { return cells[address].toObject(); };
    const auto value = [&](const char* address) { return cell(address)["value"].toVariant(); };
    EXPECT_EQ(value("D1"), "2026-12-05");
    EXPECT_EQ(value("D2"), "14:03:07");
    EXPECT_EQ(value("E1"), "Brisvale");
    EXPECT_EQ(value("E4"), "   Qty");
    EXPECT_EQ(value("W4"), " ");
    EXPECT_EQ(value("A5").toDouble(), 1);
    EXPECT_EQ(value("D5"), "L-PEAS-X1  ");
    EXPECT_EQ(value("E5").toDouble(), 1234.5);
    EXPECT_EQ(value("H5"), "1,234.50 ");
    EXPECT_EQ(value("L5"), "HOLD");
    EXPECT_EQ(value("A6").toDouble(), 2);
    EXPECT_EQ(value("I6"), "1,244.50 ");
    EXPECT_EQ(value("E7").toDouble(), 1234.5);
    EXPECT_EQ(value("H7"), "1,235 ");
    EXPECT_FALSE(cells.contains("A8"));
    EXPECT_EQ(value("A9").toDouble(), 3);
    EXPECT_EQ(value("B9"), " Locs: 2 ");
    EXPECT_EQ(value("E9"), "2,479 ");
    EXPECT_EQ(value("P9"), "Hold: 1 ");

    // Number formats and alignment as the columns set them.
    EXPECT_EQ(cell("E5")["number_format"], "#,##0.00");
    EXPECT_EQ(cell("E7")["number_format"], "#,##0");
    EXPECT_EQ(cell("E9")["number_format"], "0.00");
    EXPECT_EQ(cell("D5")["number_format"], "@");
    EXPECT_EQ(cell("D5")["align"], "center");
    EXPECT_EQ(cell("E5")["align"], "right");
    EXPECT_EQ(cell("C5")["align"], "left");
    EXPECT_TRUE(cell("B4")["bold"].toBool());
    EXPECT_TRUE(cell("D4")["bold"].toBool());
    EXPECT_FALSE(cell("B5")["bold"].toBool());
    EXPECT_TRUE(book["row4_bold"].toBool());
    // One font on every cell, at the chosen size.
    EXPECT_EQ(book["fonts"].toArray(), QJsonArray({"Segoe UI 12.0"}));
    EXPECT_DOUBLE_EQ(book["default_row_height"].toDouble(), 16.5);

    // Widths are kept with the spreadsheet's cell padding on top.
    const QJsonObject widths = book["widths"].toObject();
    const std::pair<const char*, double> expected[] = {{"A", 6},  {"D", 25}, {"H", 17}, {"K", 4},
                                                       {"P", 15}, {"R", 35}, {"V", 12}};
    for (const auto& [letter, width] : expected)
        EXPECT_NEAR(widths[letter].toDouble(), width + 0.71, 0.01) << letter;

    EXPECT_EQ(book["print_area"], "$A$1:$I$9");
    EXPECT_EQ(book["print_title_rows"], "$1:$4");
    EXPECT_FALSE(book["print_gridlines"].toBool());
    EXPECT_EQ(book["orientation"], "portrait");
    EXPECT_EQ(book["paper"].toVariant().toInt(), 1);
    EXPECT_TRUE(book["fit_to_page"].toBool());
    EXPECT_EQ(book["fit_width"].toInt(), 1);
    EXPECT_EQ(book["fit_height"].toInt(), 0);
    const QJsonObject margins = book["margins"].toObject();
    EXPECT_DOUBLE_EQ(margins["left"].toDouble(), 0.25);
    EXPECT_DOUBLE_EQ(margins["right"].toDouble(), 0.25);
    EXPECT_DOUBLE_EQ(margins["top"].toDouble(), 0.35);
    EXPECT_DOUBLE_EQ(margins["bottom"].toDouble(), 0.55);
    EXPECT_DOUBLE_EQ(margins["header"].toDouble(), 0.25);
    EXPECT_DOUBLE_EQ(margins["footer"].toDouble(), 0.3);
    EXPECT_EQ(book["footer"], "&L&Z&F & \\&F&C\n&P of &N&R&A       &D  &T");
    EXPECT_EQ(book["selection"], "A3");

    const QJsonArray images = book["images"].toArray();
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].toObject()["col"].toInt(), 0);
    EXPECT_EQ(images[0].toObject()["row"].toInt(), 0);
    EXPECT_EQ(images[0].toObject()["width"].toInt(), 200);
}

TEST_F(LotWorkbookTest, WideLayoutWithoutLogo) {
    const QJsonObject book = writeAndRead({record("X1", "PEAS", 3, "EA")}, PrintLayout::Wide, 8,
                                          dir.filePath("missing/brisvale.bmp"));
    EXPECT_EQ(book["print_area"], "$A$1:$V$6");
    EXPECT_EQ(book["orientation"], "landscape");
    EXPECT_EQ(book["fonts"].toArray(), QJsonArray({"Segoe UI 8.0"}));
    EXPECT_TRUE(book["images"].toArray().isEmpty());
    EXPECT_EQ(book["cells"].toObject()["A7"].toObject()["value"].toInt(), 1);
}

}  // namespace
