#include "search/lot_row.h"
#include "tests/support/thrown_text.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

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

// Each case changes some fields of the ordinary lot and reads one cell. B-Hold, Q-Hold and a
// numeric hold date as the company gives them are the search run's test.
TEST(LotRow, QuantityHoldStateAndDates) {
    using F = LotSearchRecord;
    const QVariant may1 = QDateTime(QDate(2024, 5, 1), QTime(0, 0));
    const struct {
        std::vector<std::pair<F::Field, QVariant>> fields;
        int column;
        QString cell;
    } cases[] = {
        {{{F::QTYAVAIL, 0}}, 4, " "},
        {{{F::UOM, "KG        "}, {F::QTYAVAIL, 0.5}}, 4, ".50 "},
        {{{F::UOM, "KG"}, {F::QTYAVAIL, 1234.5}}, 4, "1,234.50 "},
        {{{F::UOM, "kg"}, {F::QTYAVAIL, 1234.5}}, 4, "1,235 "},  // compared as stored
        {{{F::PALLETSTATUS, "hold"}}, 10, "OK"},
        {{{F::PALLETSTATUS, "HOLD "}}, 10, "OK"},
        {{{F::PALLETSTATUS, kNullText}}, 10, "OK"},
        {{{F::PALLETSTATUS, "HOLD"}, {F::ONQUART, kNullInt}}, 10, "Q-Hold"},  // null: not free
        {{{F::QTYLEVEL, 0}}, 10, "Q-Hold"},
        {{{F::QTYLEVEL, 0}}, 16, "Not Avail"},
        {{{F::PALLETSTATUS, " QTD  "}}, 11, "QTD"},
        {{{F::ONQUARTDT, may1}}, 11, "2024-05-01"},
        {{{F::ONQUARTDT, kNullInt}, {F::PALLETSTATUS, kNullText}}, 11, ""},
        {{{F::STOCKDATE, "n/a"}}, 5, "n/a"},  // not a date: shown as it is
        {{{F::PRODDATE, "n/a"}}, 17, ""},     // not a date: empty
    };
    for (const auto& c : cases) {
        auto r = eachLot();
        for (const auto& [field, value] : c.fields)
            r[field] = value;
        EXPECT_EQ(cell(r, c.column), c.cell) << c.column << " " << c.cell.toStdString();
    }
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
