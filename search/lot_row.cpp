#include "search/lot_row.h"

#include "platform/database.h"
#include "platform/formats.h"

#include <algorithm>
#include <string_view>

namespace qv::search {

namespace {

// Texts of database values are shown without the blanks CHAR columns are padded with.
QString trimmedText(const QVariant& value) {
    return value.isNull() ? QString() : value.toString().trimmed();
}

bool equalsNumber(const QVariant& value, double number) {
    bool ok = false;
    return !value.isNull() && value.toDouble(&ok) == number && ok;
}

QString dateOrOwnText(const QVariant& value) {
    if (const auto date = dateOf(value)) {
        return formatDate(*date);
    }
    return value.isNull() ? QString() : value.toString();
}

// Pallet statuses that put a lot on hold; compared exactly, as the status is stored.
bool isHoldCode(const QVariant& palletStatus) {
    static constexpr std::u16string_view codes[] = {
        u"AGED", u"DUMP", u"QTD",  u"DON",  u"INSP", u"LBEL", u"REG",  u"REG1",
        u"REJ",  u"SCRN", u"SELH", u"SORT", u"TOTE", u"VISU", u"AGAR", u"GAR",
        u"HOLD", u"LAB",  u"LIST", u"MIP",  u"SHLD", u"WREV", u"GOVT", u"UNGR"};
    if (palletStatus.isNull()) {
        return false;
    }
    const QString text = palletStatus.toString();
    const std::u16string_view status(QStringView(text).utf16(), std::size_t(text.size()));
    return std::find(std::begin(codes), std::end(codes), status) != std::end(codes);
}

QString holdState(const LotRecord& record) {
    const bool free =
        equalsNumber(record[LotRecord::QTYLEVEL], 1) && equalsNumber(record[LotRecord::ONQUART], 0);
    if (!free) {
        return QStringLiteral("Q-Hold");
    }
    return isHoldCode(record[LotRecord::PALLETSTATUS]) ? QStringLiteral("B-Hold")
                                                       : QStringLiteral("OK");
}

// The quarantine date when the lot has one (a text of at least eight characters),
// otherwise the pallet status.
QString quarantineText(const QVariant& quarantineDate, const QString& palletStatus) {
    if (const auto date = dateOf(quarantineDate)) {
        return formatDate(*date);
    }
    const QString text = quarantineDate.isNull() ? QString() : quarantineDate.toString();
    return text.size() > 7 ? text : palletStatus;
}

}  // namespace

QString LotRecord::fieldName(Field field) {
    static const std::array<const char*, FieldCount> names{
        "LOCATION", "ITEMNUM",  "LOTNUM",   "QTYAVAIL",     "STOCKDATE", "EXPIRYDATE",
        "GRADE",    "PRODCODE", "CUSTCODE", "ONQUART",      "ONQUARTDT", "CATEGORY",
        "QTYLEVEL", "ITEMDESC", "UOM",      "PALLETSTATUS", "PRODDATE"};
    return QString::fromLatin1(names[field]);
}

LotColumns::LotColumns(const Recordset& recordset) {
    for (int f = 0; f < LotRecord::FieldCount; ++f) {
        index_[f] = recordset.fieldIndex(LotRecord::fieldName(LotRecord::Field(f)));
    }
}

LotRecord LotColumns::read(const Recordset& recordset) const {
    LotRecord record;
    for (int f = 0; f < LotRecord::FieldCount; ++f) {
        record.values[f] = recordset.value(index_[f]);
    }
    return record;
}

QString lotRowNumberText(qint64 rowNumber) {
    return QString::number(rowNumber % 1000000).rightJustified(6, u'0');
}

LotRow makeLotRow(qint64 rowNumber, const LotRecord& r) {
    static const NumberFormat wholeQuantity(u"#,### ");
    static const NumberFormat kgQuantity(u"#,###.#0 ");
    const QString uom = trimmedText(r[LotRecord::UOM]);
    const QString palletStatus = trimmedText(r[LotRecord::PALLETSTATUS]);
    const double quantity = r[LotRecord::QTYAVAIL].toDouble();
    const auto prodDate = dateOf(r[LotRecord::PRODDATE]);

    return {{
        lotRowNumberText(rowNumber),
        trimmedText(r[LotRecord::LOCATION]),
        trimmedText(r[LotRecord::ITEMNUM]),
        trimmedText(r[LotRecord::LOTNUM]),
        (uom == u"KG" ? kgQuantity : wholeQuantity).format(quantity),
        dateOrOwnText(r[LotRecord::STOCKDATE]),
        dateOrOwnText(r[LotRecord::EXPIRYDATE]),
        trimmedText(r[LotRecord::GRADE]),
        trimmedText(r[LotRecord::PRODCODE]),
        trimmedText(r[LotRecord::CUSTCODE]),
        holdState(r),
        quarantineText(r[LotRecord::ONQUARTDT], palletStatus),
        palletStatus,
        trimmedText(r[LotRecord::CATEGORY]),
        trimmedText(r[LotRecord::ITEMDESC]),
        uom,
        equalsNumber(r[LotRecord::QTYLEVEL], 1) ? QStringLiteral("Available")
                                                : QStringLiteral("Not Avail"),
        prodDate ? formatDate(*prodDate) : QString(),
    }};
}

void LotTotals::add(const LotRecord& r) {
    const double qty = r[LotRecord::QTYAVAIL].toDouble();
    quantity = addRounded(quantity, qty, "total quantity");
    if (!trimmedText(r[LotRecord::LOCATION]).isEmpty()) {
        location = addRounded(location, qty, "location quantity");
    }
    if (!r[LotRecord::PRODCODE].isNull()) {
        productCode = addRounded(productCode, qty, "product code quantity");
    }
    if (!r[LotRecord::GRADE].isNull()) {
        grade = addRounded(grade, qty, "grade quantity");
    }
    if (!r[LotRecord::PALLETSTATUS].isNull()) {
        palletStatus = addRounded(palletStatus, qty, "pallet status quantity");
    }
    rowCount = addRounded(rowCount, 1, "lot count");
}

LotSummaryTexts summaryTexts(const LotTotals& t) {
    return {formatNumber(t.rowCount, u"###,###,###"),
            formatNumber(t.quantity, u"###,###,###  "),
            formatNumber(t.location, u"###,###,###"),
            formatNumber(t.productCode, u"#,###"),
            QString(),
            formatNumber(t.palletStatus, u"#,###"),
            formatNumber(t.grade, u"#,###")};
}

}  // namespace qv::search
