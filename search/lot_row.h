#pragma once
// One record of the lot search turned into one row of the lot list, and the quantity
// totals kept over the rows of one search.

#include <QString>
#include <QVariant>

#include <array>

namespace qv::platform {
class Recordset;
}

namespace qv::search {

// The record columns a lot row is made from, as the lot statement names them.
struct LotSearchRecord {
    enum Field {
        LOCATION,
        ITEMNUM,
        LOTNUM,
        QTYAVAIL,
        STOCKDATE,
        EXPIRYDATE,
        GRADE,
        PRODCODE,
        CUSTCODE,
        ONQUART,
        ONQUARTDT,
        CATEGORY,
        QTYLEVEL,
        ITEMDESC,
        UOM,
        PALLETSTATUS,
        PRODDATE,
        kFieldCount
    };
    static QString fieldName(Field field);

    std::array<QVariant, kFieldCount> values;
    const QVariant& operator[](Field field) const { return values[field]; }
    QVariant& operator[](Field field) { return values[field]; }
};

// The record's column indexes, found by name once per search so reading a row looks
// nothing up. Throws platform::DbError naming a column the result lacks.
class LotColumns {
public:
    explicit LotColumns(const platform::Recordset& recordset);
    LotSearchRecord read(const platform::Recordset& recordset) const;

private:
    std::array<int, LotSearchRecord::kFieldCount> index_{};
};

// The list's columns: "Pick" (the row number) first, the production date last.
inline constexpr int kLotColumnCount = 18;

struct LotRow {
    std::array<QString, kLotColumnCount> cells;
};

// The row number as the list shows it: six digits, so the millionth row reads "000000".
QString lotRowNumberText(qint64 rowNumber);

LotRow makeLotRow(qint64 rowNumber, const LotSearchRecord& record);

// The totals of one search, each a 32-bit whole number; adding a quantity rounds the sum
// half to even. add() throws std::overflow_error naming the total that leaves the range.
struct LotTotals {
    qint32 rowCount = 0;
    qint32 quantity = 0;
    qint32 location = 0;      // rows with a location
    qint32 productCode = 0;   // rows with a product code
    qint32 grade = 0;         // rows with a grade
    qint32 palletStatus = 0;  // rows with a pallet status

    void add(const LotSearchRecord& record);
};

// The summary boxes' texts after a search.
struct LotSummaryTexts {
    QString countLots;
    QString qtyTotal;
    QString qtyLocation;
    QString qtyProdCode;
    QString qtyCustCode;
    QString qtyPalletStatus;
    QString qtyGrade;
};
LotSummaryTexts summaryTexts(const LotTotals& totals);

}  // namespace qv::search
