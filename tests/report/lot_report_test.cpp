// The lot report as a value: rows, runs, running totals, totals row and print layouts,
// checked cell by cell without a window or a file.
#include "report/lot_report.h"

#include <gtest/gtest.h>

#include <map>

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
    r.ONQUART = onQuart;
    r.CATEGORY = "C1";
    r.ITEMDESC = "Desc of " + item;
    r.PRODCODE = "P1 ";
    r.WHSCODE = "W1";
    return r;
}

// The sheet the report rows make, cells by "A5"-style address.
struct Sheet {
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
    void put(const qv::platform::SheetRow& row) {
        for (const Cell& c : row.cells)
            cells[char('A' + c.column) + std::to_string(row.row)] = c;
    }
    // A number as "#12.5", a text as it is, an empty cell as "-"; a row number alone: the
    // whole row as "-" when it is empty.
    std::string show(const std::string& address) const {
        if (address.find_first_not_of("0123456789") == std::string::npos) {
            for (const auto& [at, c] : cells)
                if (at.substr(1) == address)
                    return "not empty";
            return "-";
        }
        const auto it = cells.find(address);
        if (it == cells.end())
            return "-";
        const Cell& c = it->second;
        return c.isNumber ? "#" + QString::number(c.number).toStdString() : c.text.toStdString();
    }
    // Checks "A5=#1|B5=WH1|6=-": each address as show() gives it.
    void expect(const QString& expected) const {
        for (const QString& part : expected.split('|')) {
            const auto at = part.indexOf('=');
            EXPECT_EQ(show(part.left(at).toStdString()), part.mid(at + 1).toStdString())
                << part.toStdString();
        }
    }

    ReportRecords records;
    qint64 written = 0;
    std::map<std::string, Cell> cells;
};

TEST(LotReport, OneRecordMakesRowFiveAndTotalsTwoRowsBelow) {
    // A null code keeps only the blanks before it.
    Sheet({lot("WH1 ", "A100", 25)})
        .expect(
            "A5=#1|B5=WH1|C5=A100|D5=LOT-A100  |E5=#25|F5=  A|G5=  |H5=25 |I5=25 |L5=-"
            "|S5= P1|T5=-|U5=EA|6=-|A7=#1|B7= Locs: 1 |C7= Items: 1 |D7= Lots: 1 |E7=25 "
            "|P7=Hold: 0 ");
}

TEST(LotReport, RunsRoundingUnitsAndHolds) {
    // A new item at the same location goes on counting the location's run.
    Sheet({lot("X", "I1", 10), lot("X", "I1", 20), lot("Y", "I1", 1300), lot("Y", "I2", 5)})
        .expect(
            "A5=#1|A6=#2|A7=#1|A8=#2|H5=10 |H6=30 |H7=1,330 |H8=5 |I5=10 |I6=30 |I7=1,300 "
            "|I8=1,305 |B10= Locs: 2 |C10= Items: 2 |D10= Lots: 4 |E10=1,335 ");
    // Kilograms show two decimals, other units whole numbers; the unit is compared exactly
    // ("kg" is not kilograms) and the location's run goes across the units.
    const Sheet units({lot("X", "K1", 1234.5, "KG"), lot("X", "E1", 1234.5, "EA"),
                       lot("X", "L1", 0.5, "kg"), lot("X", "K2", 0.5, "KG")});
    units.expect(
        "E5=#1234.5|H5=1,234.50 |I5=1,234.50 |E6=#1234.5|H6=1,235 |H7=1 |H8=.50 "
        "|I8=2,470.00 ");
    EXPECT_EQ(units.cells.at("E5").style, DecimalQuantity);
    EXPECT_EQ(units.cells.at("E6").style, WholeQuantity);
    EXPECT_EQ(units.cells.at("E7").style, WholeQuantity);
    // Quantities are rounded to cents, halves to even, as the decimal they stand for.
    Sheet({lot("X", "K1", 0.125, "KG"), lot("X", "K2", 0.375, "KG"), lot("X", "K3", 2.675, "KG"),
           lot("X", "K4", QVariant(), "KG")})
        .expect("E5=#0.12|E6=#0.38|E7=#2.68|E8=#0|E10=3 ");
    // Lots in quarantine are marked and counted.
    Sheet({lot("X", "I1", 1, "EA", 1), lot("X", "I1", 1, "EA", 0),
           lot("X", "I1", 1, "EA", QVariant()), lot("X", "I1", 1, "EA", -1)})
        .expect("L5=HOLD|L6=-|L7=-|L8=HOLD|P10=Hold: 2 ");
}

TEST(LotReport, RecordsWithoutLocationAreLeftOutOfRowsAndCounts) {
    // The next record takes the row, and the run goes on over the left-out ones.
    const Sheet sheet(
        {lot("X", "I1", 1), lot(QVariant(), "I1", 2), lot("   ", "I2", 4), lot("X", "I1", 8)});
    EXPECT_EQ(sheet.records.size(), 4);
    EXPECT_EQ(sheet.written, 2);
    sheet.expect("A6=#2|H6=9 |7=-|A8=#2|D8= Lots: 2 |E8=9 ");
    // Nothing written still gives the totals row.
    const Sheet none({lot("", "I1", 3)});
    EXPECT_EQ(none.written, 0);
    none.expect("A6=#0|B6= Locs: 0 |E6=0 ");
}

TEST(LotReport, HundredRecordsLeaveRow105EmptyAboveTheTotals) {
    std::vector<ReportRecord> input;
    for (int i = 0; i < 100; ++i)
        input.push_back(lot("L" + QString::number(i / 10), "I" + QString::number(i / 25), 1));
    // A location's run goes across items.
    Sheet(input).expect("A104=#10|105=-|D106= Lots: 100 |B106= Locs: 10 |C106= Items: 4 ");
    EXPECT_EQ(printEndRow(100), 105);
}

TEST(LotReport, TitleAreaAndBoldHeadings) {
    const auto layout = workbookLayout(10);
    QStringList texts;
    for (const auto& row : titleRows(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 9)))) {
        for (const Cell& c : row.cells) {
            texts << QString("%1%2=%3").arg(QChar('A' + c.column)).arg(row.row).arg(c.text);
            EXPECT_EQ(layout.styles[std::size_t(c.style)].bold, row.row == 4)
                << c.text.toStdString();
        }
    }
    EXPECT_EQ(texts.join('|').toStdString(),
              "D1=2026-12-05|E1=Brisvale|D2=07:04:09|A4=Num|B4=Location|C4=Item Number"
              "|D4=LotNumber|E4=   Qty|F4=Grade|G4=CustCode|H4=Total Item|I4=Total Row|J4=Picked"
              "|P4=Hold|Q4=Category|R4=Item Desc|S4=ProdCode|T4=Pallet|U4=UOM|V4=WhsCode|W4= ");
}

}  // namespace
