// The lot report as a value: rows, runs, running totals, totals row and print layouts,
// checked cell by cell without a window or a file.
#include "report/lot_report.h"
#include "report/printout.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace qv::report;
using qv::platform::Cell;

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
    r.CUSTCODE = QVariant();
    r.ONQUART = onQuart;
    r.CATEGORY = "C1";
    r.ITEMDESC = "Desc of " + item;
    r.PRODCODE = "P1 ";
    r.PALLETSTATUS = QVariant();
    r.WHSCODE = "W1";
    return r;
}

// The sheet the report rows make: cells by "A5"-style address.
class Sheet {
public:
    explicit Sheet(const std::vector<ReportRecord>& input) {
        for (const ReportRecord& r : input)
            records.add(r);
        ReportRows rows;
        for (qsizetype i = 0; i < records.size(); ++i)
            if (const auto row = rows.add(records, i))
                put(*row);
        put(rows.totalsRow());
        written = rows.written();
    }
    const Cell* cell(const char* address) const {
        const auto it = cells.find(address);
        return it == cells.end() ? nullptr : &it->second;
    }
    QString text(const char* address) const {
        const Cell* c = cell(address);
        return c && !c->isNumber ? c->text : QString();
    }
    double number(const char* address) const {
        const Cell* c = cell(address);
        return c && c->isNumber ? c->number : -1;
    }
    bool rowIsEmpty(int row) const {
        for (const auto& [address, c] : cells)
            if (address.substr(1) == std::to_string(row))
                return false;
        return true;
    }

    ReportRecords records;
    qint64 written = 0;

private:
    void put(const qv::platform::SheetRow& row) {
        for (const Cell& c : row.cells)
            cells[std::string(1, char('A' + c.column)) + std::to_string(row.row)] = c;
    }
    std::map<std::string, Cell> cells;
};

TEST(LotReport, OneRecordMakesRowFiveAndTotalsTwoRowsBelow) {
    const Sheet sheet({lot("WH1 ", "A100", 25)});
    EXPECT_EQ(sheet.number("A5"), 1);
    EXPECT_EQ(sheet.text("B5"), "WH1");
    EXPECT_EQ(sheet.text("C5"), "A100");
    EXPECT_EQ(sheet.text("D5"), "LOT-A100  ");
    EXPECT_EQ(sheet.number("E5"), 25);
    EXPECT_EQ(sheet.text("F5"), "  A");
    EXPECT_EQ(sheet.text("G5"), "  ");  // a null code keeps only the blanks before it
    EXPECT_EQ(sheet.text("H5"), "25 ");
    EXPECT_EQ(sheet.text("I5"), "25 ");
    EXPECT_EQ(sheet.cell("L5"), nullptr);
    EXPECT_EQ(sheet.text("S5"), " P1");
    EXPECT_EQ(sheet.cell("T5"), nullptr);
    EXPECT_EQ(sheet.text("U5"), "EA");
    EXPECT_TRUE(sheet.rowIsEmpty(6));
    EXPECT_EQ(sheet.number("A7"), 1);
    EXPECT_EQ(sheet.text("B7"), " Locs: 1 ");
    EXPECT_EQ(sheet.text("C7"), " Items: 1 ");
    EXPECT_EQ(sheet.text("D7"), " Lots: 1 ");
    EXPECT_EQ(sheet.text("E7"), "25 ");
    EXPECT_EQ(sheet.text("P7"), "Hold: 0 ");
}

TEST(LotReport, RunsOfLocationAndItemNumberTheRowsAndKeepRunningTotals) {
    const Sheet sheet(
        {lot("X", "I1", 10), lot("X", "I1", 20), lot("Y", "I1", 1300), lot("Y", "I2", 5)});
    EXPECT_EQ(sheet.number("A5"), 1);
    EXPECT_EQ(sheet.number("A6"), 2);
    EXPECT_EQ(sheet.number("A7"), 1);
    // A new item at the same location goes on counting the location's run.
    EXPECT_EQ(sheet.number("A8"), 2);
    const char* itemTotals[] = {"10 ", "30 ", "1,330 ", "5 "};
    const char* locationTotals[] = {"10 ", "30 ", "1,300 ", "1,305 "};
    for (int r = 0; r < 4; ++r) {
        const std::string row = std::to_string(5 + r);
        EXPECT_EQ(sheet.text(("H" + row).c_str()), itemTotals[r]) << row;
        EXPECT_EQ(sheet.text(("I" + row).c_str()), locationTotals[r]) << row;
    }
    EXPECT_EQ(sheet.text("B10"), " Locs: 2 ");
    EXPECT_EQ(sheet.text("C10"), " Items: 2 ");
    EXPECT_EQ(sheet.text("D10"), " Lots: 4 ");
    EXPECT_EQ(sheet.text("E10"), "1,335 ");
}

TEST(LotReport, KilogramsShowTwoDecimalsOtherUnitsWholeNumbers) {
    const Sheet sheet({lot("X", "K1", 1234.5, "KG"), lot("X", "E1", 1234.5, "EA"),
                       lot("X", "L1", 0.5, "kg"), lot("X", "K2", 0.5, "KG")});
    EXPECT_EQ(sheet.number("E5"), 1234.5);
    EXPECT_EQ(sheet.cell("E5")->style, DecimalQuantity);
    EXPECT_EQ(sheet.text("H5"), "1,234.50 ");
    EXPECT_EQ(sheet.text("I5"), "1,234.50 ");
    EXPECT_EQ(sheet.number("E6"), 1234.5);
    EXPECT_EQ(sheet.cell("E6")->style, WholeQuantity);
    EXPECT_EQ(sheet.text("H6"), "1,235 ");
    // The unit is compared exactly: "kg" is not kilograms.
    EXPECT_EQ(sheet.cell("E7")->style, WholeQuantity);
    EXPECT_EQ(sheet.text("H7"), "1 ");
    EXPECT_EQ(sheet.text("H8"), ".50 ");
    EXPECT_EQ(sheet.text("I8"), "2,470.00 ");  // the location's run goes across the units
}

TEST(LotReport, QuantitiesAreRoundedToCentsHalvesToEven) {
    const Sheet sheet({lot("X", "K1", 0.125, "KG"), lot("X", "K2", 0.375, "KG"),
                       lot("X", "K3", 2.675, "KG"), lot("X", "K4", QVariant(), "KG")});
    EXPECT_DOUBLE_EQ(sheet.number("E5"), 0.12);
    EXPECT_DOUBLE_EQ(sheet.number("E6"), 0.38);
    EXPECT_DOUBLE_EQ(sheet.number("E7"), 2.68);  // the decimal 2.675, not the double below it
    EXPECT_EQ(sheet.number("E8"), 0);
    EXPECT_EQ(sheet.text("E10"), "3 ");
}

TEST(LotReport, RecordsWithoutLocationAreLeftOutOfRowsAndCounts) {
    const Sheet sheet(
        {lot("X", "I1", 1), lot(QVariant(), "I1", 2), lot("   ", "I2", 4), lot("X", "I1", 8)});
    EXPECT_EQ(sheet.records.size(), 4);
    EXPECT_EQ(sheet.written, 2);
    // The next record takes the row, and the run goes on over the left-out ones.
    EXPECT_EQ(sheet.number("A6"), 2);
    EXPECT_EQ(sheet.text("H6"), "9 ");
    EXPECT_TRUE(sheet.rowIsEmpty(7));
    EXPECT_EQ(sheet.number("A8"), 2);
    EXPECT_EQ(sheet.text("D8"), " Lots: 2 ");
    EXPECT_EQ(sheet.text("E8"), "9 ");
}

TEST(LotReport, LotsInQuarantineAreMarkedAndCounted) {
    const Sheet sheet({lot("X", "I1", 1, "EA", 1), lot("X", "I1", 1, "EA", 0),
                       lot("X", "I1", 1, "EA", QVariant()), lot("X", "I1", 1, "EA", -1)});
    EXPECT_EQ(sheet.text("L5"), "HOLD");
    EXPECT_EQ(sheet.cell("L6"), nullptr);
    EXPECT_EQ(sheet.cell("L7"), nullptr);
    EXPECT_EQ(sheet.text("L8"), "HOLD");
    EXPECT_EQ(sheet.text("P10"), "Hold: 2 ");
}

TEST(LotReport, NothingWrittenStillGivesTheTotalsRow) {
    const Sheet sheet({lot("", "I1", 3)});
    EXPECT_EQ(sheet.written, 0);
    EXPECT_EQ(sheet.number("A6"), 0);
    EXPECT_EQ(sheet.text("B6"), " Locs: 0 ");
    EXPECT_EQ(sheet.text("E6"), "0 ");
}

TEST(LotReport, HundredRecordsEndThePrintAreaAtRow105InBothLayouts) {
    std::vector<ReportRecord> input;
    for (int i = 0; i < 100; ++i)
        input.push_back(lot("L" + QString::number(i / 10), "I" + QString::number(i / 25), 1));
    const Sheet sheet(input);
    EXPECT_EQ(sheet.number("A104"), 10);
    EXPECT_TRUE(sheet.rowIsEmpty(105));
    EXPECT_EQ(sheet.text("D106"), " Lots: 100 ");
    EXPECT_EQ(sheet.text("B106"), " Locs: 10 ");  // a location's run goes across items
    EXPECT_EQ(sheet.text("C106"), " Items: 4 ");
    EXPECT_EQ(printEndRow(100), 105);

    const auto wide = pageSetup(PrintLayout::Wide, 100);
    EXPECT_EQ(wide.printLastColumn, V);
    EXPECT_EQ(wide.printLastRow, 105);
    EXPECT_TRUE(wide.landscape);
    const auto narrow = pageSetup(PrintLayout::Narrow, 100);
    EXPECT_EQ(narrow.printLastColumn, I);
    EXPECT_EQ(narrow.printLastRow, 105);
    EXPECT_FALSE(narrow.landscape);
}

TEST(LotReport, TitleAreaAndBoldHeadings) {
    const auto rows = titleRows(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 9)));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].row, 1);
    EXPECT_EQ(rows[0].cells[0].column, D);
    EXPECT_EQ(rows[0].cells[0].text, "2026-12-05");
    EXPECT_EQ(rows[0].cells[1].text, "Brisvale");
    EXPECT_EQ(rows[1].row, 2);
    EXPECT_EQ(rows[1].cells[0].text, "07:04:09");
    EXPECT_EQ(rows[2].row, 4);
    QStringList headings;
    const auto layout = workbookLayout(10);
    for (const Cell& c : rows[2].cells) {
        headings << c.text;
        EXPECT_TRUE(layout.styles[std::size_t(c.style)].bold) << c.text.toStdString();
    }
    EXPECT_EQ(headings.join('|'),
              "Num|Location|Item Number|LotNumber|   Qty|Grade|CustCode|Total Item|Total Row|"
              "Picked|Hold|Category|Item Desc|ProdCode|Pallet|UOM|WhsCode| ");
    EXPECT_EQ(layout.styles[std::size_t(rows[2].cells[3].style)].numberFormat, "@");
}

}  // namespace
