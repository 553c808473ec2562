// A real report workbook, written to a file and read back by another reader (openpyxl):
// what a spreadsheet application will find in it.
#include "data/demo_company.h"
#include "report/lot_report_writer.h"
#include "tests/support/workbook_reader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace qv::report;

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

// What the reader found at a path: "D5" is that cell's value, "D5.align" its alignment,
// "margins.left" and "images.0.col" go down the workbook's objects and lists; a list shows
// its texts joined by ',', anything missing as "-".
QString at(const QJsonObject& book, const QString& path) {
    QStringList parts = path.split('.');
    static const QRegularExpression cell("^[A-Z]+[0-9]+$");
    QJsonValue v = book;
    if (cell.match(parts[0]).hasMatch()) {
        v = book["cells"];
        if (parts.size() == 1)
            parts << "value";
    }
    for (const QString& part : parts)
        v = v.isArray() ? v.toArray().at(part.toInt()) : v.toObject().value(part);
    if (v.isArray())
        return v.toVariant().toStringList().join(',');
    return v.isUndefined() ? "-" : v.toVariant().toString();
}

// Checks "D1=2026-12-05|E5.align=right": each path as at() gives it.
void expect(const QJsonObject& book, const QString& expected) {
    for (const QString& part : expected.split('|')) {
        const auto equals = part.indexOf('=');
        EXPECT_EQ(at(book, part.left(equals)).toStdString(), part.mid(equals + 1).toStdString())
            << part.toStdString();
    }
}

class LotWorkbookTest : public ::testing::Test {
protected:
    // Writes the records' report and reads it back.
    QJsonObject writeAndRead(const std::vector<ReportRecord>& input, PrintLayout layout,
                             int fontSize, const QString& logo) {
        ReportRecords records;
        for (const ReportRecord& r : input)
            records.add(r);
        LotReportWriter writer(dir.path(), fontSize,
                               QDateTime(QDate(2026, 12, 5), QTime(14, 3, 7)));
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
    expect(book,
           "sheets=QUORVAN,PICK|D1=2026-12-05|D2=14:03:07|E1=Brisvale|E4=   Qty|W4= |A5=1"
           "|D5=L-PEAS-X1  |E5=1234.5|H5=1,234.50 |L5=HOLD|A6=2|I6=1,244.50 |E7=1234.5"
           "|H7=1,235 |A8=-|A9=3|B9= Locs: 2 |E9=2,479 |P9=Hold: 1 "
           // Number formats and alignment as the columns set them; one font at the chosen size.
           "|E5.number_format=#,##0.00|E7.number_format=#,##0|E9.number_format=0.00"
           "|D4.number_format=@|D5.number_format=@|D5.align=center|E5.align=right|C5.align=left|B4."
           "bold=true"
           "|D4.bold=true|B5.bold=false|row4_bold=true|fonts=Segoe UI 12.0"
           "|default_row_height=16.5"
           // The page setup.
           "|print_area=$A$1:$I$9|print_title_rows=$1:$4|print_gridlines=false"
           "|orientation=portrait|paper=1|fit_to_page=true|fit_width=1|fit_height=0"
           "|margins.left=0.25|margins.right=0.25|margins.top=0.35|margins.bottom=0.55"
           "|margins.header=0.25|margins.footer=0.3|selection=A3"
           "|footer=&L&Z&F & \\&F&C\n&P of &N&R&A       &D  &T"
           "|images.0.col=0|images.0.row=0|images.0.width=200|images.1=-");
    // Widths are kept with the spreadsheet's cell padding on top.
    const std::pair<const char*, double> widths[] = {{"A", 6},  {"D", 25}, {"H", 17}, {"K", 4},
                                                     {"P", 15}, {"R", 35}, {"V", 12}};
    for (const auto& [letter, width] : widths)
        EXPECT_NEAR(book["widths"][letter].toDouble(), width + 0.71, 0.01) << letter;
}

TEST_F(LotWorkbookTest, WideLayoutWithoutLogo) {
    expect(writeAndRead({record("X1", "PEAS", 3, "EA")}, PrintLayout::Wide, 8,
                        dir.filePath("missing/brisvale.bmp")),
           "print_area=$A$1:$V$6|orientation=landscape|fonts=Segoe UI 8.0|images.0=-|A7=1");
}

}  // namespace
