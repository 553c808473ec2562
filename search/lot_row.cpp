#include "search/lot_row.h"

#include "platform/database.h"
#include "platform/formats.h"

#include <algorithm>
#include <string_view>

namespace qv::search {

using platform::addRounded;
using platform::dateOf;
using platform::formatDate;
using platform::formatNumber;
using platform::NumberFormat;
using platform::Recordset;

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
    static constexpr std::u16string_view kHoldCodes[] = {
        u"AGED", u"DUMP", u"QTD",  u"DON",  u"INSP", u"LBEL", u"REG",  u"REG1",
        u"REJ",  u"SCRN", u"SELH", u"SORT", u"TOTE", u"VISU", u"AGAR", u"GAR",
        u"HOLD", u"LAB",  u"LIST", u"MIP",  u"SHLD", u"WREV", u"GOVT", u"UNGR"};
    if (palletStatus.isNull()) {
        return false;
    }
    const QString text = palletStatus.toString();
    const std::u16string_view status(QStringView(text).utf16(), std::size_t(text.size()));
    return std::find(std::begin(kHoldCodes), std::end(kHoldCodes), status) != std::end(kHoldCodes);
}

QString holdState(const LotSearchRecord& record) {
    const bool free = equalsNumber(record[LotSearchRecord::QTYLEVEL], 1) &&
                      equalsNumber(record[LotSearchRecord::ONQUART], 0);
    if (!free) {
        return QStringLiteral("Q-Hold");
    }
    return isHoldCode(record[LotSearchRecord::PALLETSTATUS]) ? QStringLiteral("B-Hold")
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

QString LotSearchRecord::fieldName(Field field) {
    static const std::array<const char*, kFieldCount> kNames{
        "LOCATION", "ITEMNUM",  "LOTNUM",   "QTYAVAIL",     "STOCKDATE", "EXPIRYDATE",
        "GRADE",    "PRODCODE", "CUSTCODE", "ONQUART",      "ONQUARTDT", "CATEGORY",
        "QTYLEVEL", "ITEMDESC", "UOM",      "PALLETSTATUS", "PRODDATE"};
    return QString::fromLatin1(kNames[field]);
}

LotColumns::LotColumns(const Recordset& recordset) {
    for (int f = 0; f < LotSearchRecord::kFieldCount; ++f) {
        index_[f] = recordset.fieldIndex(LotSearchRecord::fieldName(LotSearchRecord::Field(f)));
    }
}

LotSearchRecord LotColumns::read(const Recordset& recordset) const {
    LotSearchRecord record;
    for (int f = 0; f < LotSearchRecord::kFieldCount; ++f) {
        record.values[f] = recordset.value(index_[f]);
    }
    return record;
}

QString lotRowNumberText(qint64 rowNumber) {
    return QString::number(rowNumber % 1000000).rightJustified(6, u'0');
}

LotRow makeLotRow(qint64 rowNumber, const LotSearchRecord& r) {
    static const NumberFormat kWholeQuantity(u"#,### ");
    static const NumberFormat kKgQuantity(u"#,###.#0 ");
    const QString uom = trimmedText(r[LotSearchRecord::UOM]);
    const QString palletStatus = trimmedText(r[LotSearchRecord::PALLETSTATUS]);
    const double quantity = r[LotSearchRecord::QTYAVAIL].toDouble();
    const auto prodDate = dateOf(r[LotSearchRecord::PRODDATE]);

    return {{
        lotRowNumberText(rowNumber),
        trimmedText(r[LotSearchRecord::LOCATION]),
        trimmedText(r[LotSearchRecord::ITEMNUM]),
        trimmedText(r[LotSearchRecord::LOTNUM]),
        (uom == u"KG" ? kKgQuantity : kWholeQuantity).format(quantity),
        dateOrOwnText(r[LotSearchRecord::STOCKDATE]),
        dateOrOwnText(r[LotSearchRecord::EXPIRYDATE]),
        trimmedText(r[LotSearchRecord::GRADE]),
        trimmedText(r[LotSearchRecord::PRODCODE]),
        trimmedText(r[LotSearchRecord::CUSTCODE]),
        holdState(r),
        quarantineText(r[LotSearchRecord::ONQUARTDT], palletStatus),
        palletStatus,
        trimmedText(r[LotSearchRecord::CATEGORY]),
        trimmedText(r[LotSearchRecord::ITEMDESC]),
        uom,
        equalsNumber(r[LotSearchRecord::QTYLEVEL], 1) ? QStringLiteral("Available")
                                                      : QStringLiteral("Not Avail"),
        prodDate ? formatDate(*prodDate) : QString(),
    }};
}

void LotTotals::add(const LotSearchRecord& r) {
    const double qty = r[LotSearchRecord::QTYAVAIL].toDouble();
    quantity = addRounded(quantity, qty, "total quantity");
    if (!trimmedText(r[LotSearchRecord::LOCATION]).isEmpty()) {
        location = addRounded(location, qty, "location quantity");
    }
    if (!r[LotSearchRecord::PRODCODE].isNull()) {
        productCode = addRounded(productCode, qty, "product code quantity");
    }
    if (!r[LotSearchRecord::GRADE].isNull()) {
        grade = addRounded(grade, qty, "grade quantity");
    }
    if (!r[LotSearchRecord::PALLETSTATUS].isNull()) {
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
