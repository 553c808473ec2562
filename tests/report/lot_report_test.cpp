// The lot report: rows, runs, running totals, totals row, formats and print layouts, written
// to a workbook file and read back by another reader (openpyxl), as a spreadsheet
// application will find them.
#include "report/lot_report.h"
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

// A record of item `item` at `location`; the other fields plain.
ReportRecord lot(const QVariant& location, const QString& item, const QVariant& qty,
                 const QString& uom = "EA", const QVariant& onQuart = 0) {
    ReportRecord r;
    r.LOCATION = location;
    r.ITEMNUM = item + "   ";  // padded, as CHAR columns come
    r.LOTNUM = "LOT-" + item;
    r.QTYAVAIL = qty;
    r.UOM = uom;
    r.GRADE = "A";
    r.ONQUART = onQuart;
    r.CATEGORY = "C1";
    r.ITEMDESC = "Desc of " + item;
    r.PRODCODE = "P1 ";
    r.WHSCODE = "W1";
    return r;
}

// The records' report, written at 2026-12-05 14:03:07 and read back.
QJsonObject report(const std::vector<ReportRecord>& input, PrintLayout layout = PrintLayout::Wide,
                   int fontSize = 10, const QString& logo = {}) {
    QTemporaryDir dir;
    ReportRecords records;
    for (const ReportRecord& r : input)
        records.add(r);
    LotReportWriter writer(dir.path(), fontSize, QDateTime(QDate(2026, 12, 5), QTime(14, 3, 7)));
    writer.writeRows(records);
    writer.finish(layout, records.size(), logo);
    return qv::tests::readWorkbook(writer.path());
}

// What the reader found at a path: "D5" is that cell's value, "D5.align" its alignment;
// "margins.left" and "images.0.col" go down the workbook's objects and lists. A number shows
// as "#12.5", a list its texts joined by ',', anything missing as "-".
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
    if (v.isDouble())
        return "#" + QString::number(v.toDouble());
    return v.isUndefined() ? "-" : v.toVariant().toString();
}

// Checks "D1=2026-12-05|E5.align=right|A5=#1": each path as at() gives it.
void expect(const QJsonObject& book, const QString& expected) {
    for (const QString& part : expected.split('|')) {
        const auto equals = part.indexOf('=');
        EXPECT_EQ(at(book, part.left(equals)).toStdString(), part.mid(equals + 1).toStdString())
            << part.toStdString();
    }
}

TEST(LotReport, OneRecordMakesRowFiveAndTotalsTwoRowsBelow) {
    // A null code keeps only the blanks before it.
    expect(report({lot("WH1 ", "A100", 25)}),
           "A5=#1|B5=WH1|C5=A100|D5=LOT-A100  |E5=#25|F5=  A|G5=  |H5=25 |I5=25 |L5=-|S5= P1"
           "|T5=-|U5=EA|A6=-|A7=#1|B7= Locs: 1 |C7= Items: 1 |D7= Lots: 1 |E7=25 |P7=Hold: 0 ");
}

TEST(LotReport, RunsRoundingUnitsAndHolds) {
    // A new item at the same location goes on counting the location's run.
    expect(
        report({lot("X", "I1", 10), lot("X", "I1", 20), lot("Y", "I1", 1300), lot("Y", "I2", 5)}),
        "A5=#1|A6=#2|A7=#1|A8=#2|H5=10 |H6=30 |H7=1,330 |H8=5 |I5=10 |I6=30 |I7=1,300 "
        "|I8=1,305 |B10= Locs: 2 |C10= Items: 2 |D10= Lots: 4 |E10=1,335 ");
    // Kilograms show two decimals, other units whole numbers; the unit is compared exactly
    // ("kg" is not kilograms) and the location's run goes across the units.
    expect(report({lot("X", "K1", 1234.5, "KG"), lot("X", "E1", 1234.5, "EA"),
                   lot("X", "L1", 0.5, "kg"), lot("X", "K2", 0.5, "KG")}),
           "E5=#1234.5|H5=1,234.50 |I5=1,234.50 |E6=#1234.5|H6=1,235 |H7=1 |H8=.50 "
           "|I8=2,470.00 |E5.number_format=#,##0.00|E6.number_format=#,##0"
           "|E7.number_format=#,##0|E10.number_format=0.00");
    // Quantities are rounded to cents, halves to even, as the decimal they stand for.
    expect(report({lot("X", "K1", 0.125, "KG"), lot("X", "K2", 0.375, "KG"),
                   lot("X", "K3", 2.675, "KG"), lot("X", "K4", QVariant(), "KG")}),
           "E5=#0.12|E6=#0.38|E7=#2.68|E8=#0|E10=3 ");
    // Lots in quarantine are marked and counted.
    expect(report({lot("X", "I1", 1, "EA", 1), lot("X", "I1", 1, "EA", 0),
                   lot("X", "I1", 1, "EA", QVariant()), lot("X", "I1", 1, "EA", -1)}),
           "L5=HOLD|L6=-|L7=-|L8=HOLD|P10=Hold: 2 ");
}

TEST(LotReport, RecordsWithoutLocationAreLeftOutOfRowsAndCounts) {
    // The next record takes the row, and the run goes on over the left-out ones.
    expect(report({lot("X", "I1", 1), lot(QVariant(), "I1", 2), lot("   ", "I2", 4),
                   lot("X", "I1", 8)}),
           "A6=#2|H6=9 |A7=-|A8=#2|D8= Lots: 2 |E8=9 ");
    // Nothing written still gives the totals row.
    expect(report({lot("", "I1", 3)}), "A5=-|A6=#0|B6= Locs: 0 |E6=0 ");
}

TEST(LotReport, FormatsAndPageSetupAsWritten) {
    QTemporaryDir dir;
    const QString logo = dir.filePath("brisvale.bmp");
    qv::data::writeDemoLogo(logo);
    const QJsonObject book = report({lot("X1", "PEAS", 1234.5, "KG"), lot("Y2", "SACK", 3)},
                                    PrintLayout::Narrow, 12, logo);
    expect(book,
           "sheets=QUORVAN,PICK|D2=14:03:07|E1=Brisvale|A4=Num|E4=   Qty"
           "|H4=Total Item|P4=Hold|W4= "
           // Number formats and alignment as the columns set them. The font size, the date,
           // the orientation and the logo's presence are the printout commands' tests.
           "|D4.number_format=@|D5.number_format=@|D5.align=center|E5.align=right|C5.align=left"
           "|B4.bold=true|D4.bold=true|B5.bold=false|row4_bold=true|default_row_height=#16.5"
           // The page setup of the narrow layout: A to I down the page, the totals row left out.
           "|print_area=$A$1:$I$7|print_title_rows=$1:$4|print_gridlines=false"
           "|paper=#1|fit_to_page=true|fit_width=#1|fit_height=#0"
           "|margins.top=#0.35|margins.footer=#0.3|selection=A3"
           "|footer=&L&Z&F & \\&F&C\n&P of &N&R&A       &D  &T"
           "|images.0.col=#0|images.0.row=#0|images.0.width=#200|images.1=-");
    // Widths are kept with the spreadsheet's cell padding on top. The wide layout and a
    // missing logo are the printout commands' tests.
    EXPECT_NEAR(book["widths"]["D"].toDouble(), 25 + 0.71, 0.01);
}

}  // namespace
