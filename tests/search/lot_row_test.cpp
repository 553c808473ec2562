#include "search/lot_row.h"
#include "tests/support/thrown_text.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <stdexcept>

using qv::search::LotSearchRecord;
using qv::search::LotTotals;
using qv::search::makeLotRow;

namespace {

const QVariant kNullText{QMetaType(QMetaType::QString)};
const QVariant kNullInt{QMetaType(QMetaType::Int)};

// A free lot of 12 EA, with values padded as CHAR columns come back.
LotSearchRecord eachLot() {
    LotSearchRecord r;
    const QVariant expiry = QDateTime(QDate(2025, 12, 31), QTime(0, 0));
    const QVariant values[] = {
        "WH1   ", "A100    ",  "L1-01  ", 12,        "2024-03-07 00:00:00.000",
        expiry,   "A ",        "P1",      kNullText, 0,
        0,        "B     ",    1,         "Peas  ",  "EA        ",
        "OK1",    "2024-03-01"};
    std::copy(std::begin(values), std::end(values), r.values.begin());
    return r;
}

QString cell(const LotSearchRecord& r, int column) {
    return makeLotRow(1, r).cells[column];
}

}  // namespace

TEST(LotRow, CellsOfAnOrdinaryLot) {
    const auto row = makeLotRow(1, eachLot());
    EXPECT_EQ(
        QStringList(row.cells.begin(), row.cells.end()),
        QStringList({"000001", "WH1", "A100", "L1-01", "12 ", "2024-03-07", "2025-12-31", "A", "P1",
                     "", "OK", "OK1", "OK1", "B", "Peas", "EA", "Available", "2024-03-01"}));
    EXPECT_EQ(makeLotRow(1000000, eachLot()).cells[0], "000000");
}

TEST(LotRow, QuantityTextByUnit) {
    auto r = eachLot();
    r[LotSearchRecord::QTYAVAIL] = 0;
    EXPECT_EQ(cell(r, 4), " ");
    r[LotSearchRecord::UOM] = "KG        ";
    r[LotSearchRecord::QTYAVAIL] = 0.5;
    EXPECT_EQ(cell(r, 4), ".50 ");
    r[LotSearchRecord::QTYAVAIL] = 1234.5;
    EXPECT_EQ(cell(r, 4), "1,234.50 ");
    r[LotSearchRecord::UOM] = "kg";  // the unit is compared as stored
    EXPECT_EQ(cell(r, 4), "1,235 ");
}

TEST(LotRow, HoldState) {
    auto r = eachLot();
    const auto hold = [&r](const QVariant& status, const QVariant& onQuart) {
        r[LotSearchRecord::PALLETSTATUS] = status;
        r[LotSearchRecord::ONQUART] = onQuart;
        return cell(r, 10);
    };
    EXPECT_EQ(hold("HOLD", 0), "B-Hold");
    EXPECT_EQ(hold("UNGR", 0), "B-Hold");
    EXPECT_EQ(hold("HOLD", 1), "Q-Hold");
    EXPECT_EQ(hold("hold", 0), "OK");
    EXPECT_EQ(hold("HOLD ", 0), "OK");
    EXPECT_EQ(hold(kNullText, 0), "OK");
    EXPECT_EQ(hold("HOLD", kNullInt), "Q-Hold");  // a null flag: not free
    r[LotSearchRecord::QTYLEVEL] = 0;
    EXPECT_EQ(hold("OK1", 0), "Q-Hold");
    EXPECT_EQ(cell(r, 16), "Not Avail");
}

TEST(LotRow, QuarantineDateAndOtherDates) {
    auto r = eachLot();
    r[LotSearchRecord::PALLETSTATUS] = " QTD  ";
    EXPECT_EQ(cell(r, 11), "QTD");
    r[LotSearchRecord::ONQUARTDT] = QDateTime(QDate(2024, 5, 1), QTime(0, 0));
    EXPECT_EQ(cell(r, 11), "2024-05-01");
    r[LotSearchRecord::ONQUARTDT] = 20240501.0;
    EXPECT_EQ(cell(r, 11), "20240501");
    r[LotSearchRecord::ONQUARTDT] = kNullInt;
    r[LotSearchRecord::PALLETSTATUS] = kNullText;
    EXPECT_EQ(cell(r, 11), "");

    r[LotSearchRecord::STOCKDATE] = "n/a";  // not a date: shown as it is
    r[LotSearchRecord::PRODDATE] = "n/a";   // not a date: empty
    EXPECT_EQ(cell(r, 5), "n/a");
    EXPECT_EQ(cell(r, 17), "");
}

TEST(LotTotals, WhichRowsEachTotalCountsAndTheirTexts) {
    LotTotals totals;
    auto r = eachLot();
    totals.add(r);
    r[LotSearchRecord::LOCATION] = "      ";
    r[LotSearchRecord::PRODCODE] = kNullText;
    r[LotSearchRecord::GRADE] = "";  // empty but present: still counted
    r[LotSearchRecord::PALLETSTATUS] = kNullText;
    r[LotSearchRecord::QTYAVAIL] = 1000;
    totals.add(r);
    const auto texts = qv::search::summaryTexts(totals);
    EXPECT_EQ(texts.countLots, "2");
    EXPECT_EQ(texts.qtyTotal, "1,012  ");
    EXPECT_EQ(texts.qtyLocation, "12");
    EXPECT_EQ(texts.qtyProdCode, "12");
    EXPECT_EQ(texts.qtyCustCode, "");
    EXPECT_EQ(texts.qtyPalletStatus, "12");
    EXPECT_EQ(texts.qtyGrade, "1,012");
    EXPECT_EQ(qv::search::summaryTexts({}).qtyGrade, "");
}

TEST(LotTotals, OverflowIsAnErrorNamingTheTotal) {
    LotTotals totals;
    totals.quantity = 2147483640;
    EXPECT_TRUE(qv::tests::thrownText<std::overflow_error>([&] {
                    totals.add(eachLot());
                }).contains("total quantity"));
}
