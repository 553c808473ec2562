#pragma once
// How many lots of quantity level 1 carry one value of one lot attribute, and how much they
// hold; and an item's description. Each statement runs through a new SQL view (CS0120) of
// the company link and reads at most one row.

#include <QString>
#include <QVariant>

namespace qv::host {
class DbLink;
}

namespace qv::drilldown {

enum class Summary { Grade, Item, CustCode, ProdCode, PalletStatus, Location };

// The summary statement for value, built piece by piece as the company database expects it;
// the value's apostrophes are doubled, so it is looked for as it stands.
QString summaryStatement(Summary summary, const QString& value);
QString itemDescStatement(const QString& mItemNum);

// A summary as shown: the total quantity in the summary's format and the lot count formatted
// "###,###,###". No matching lot gives the empty text for both (a zero shows no digits).
struct SummaryFigures {
    QString quantity;
    QString count;
};

// Runs the summary of value on link. Throws host::HostError when the view fails, and
// std::runtime_error when the quantity is no number or leaves the 32-bit range.
SummaryFigures querySummary(host::DbLink& link, Summary summary, const QString& value);

// The item's description, three blanks and its stock unit, both as the database keeps them
// (trailing blanks stay); the empty text when no item has that number.
QString GetItemDesc(host::DbLink& link, const QString& mItemNum);

// A summed quantity as a 32-bit whole number: the value's text trimmed, rounded to the
// nearest whole number, halves to even. Throws std::runtime_error naming the value when it
// is no number or out of range.
qint32 wholeQuantity(const QVariant& value);

}  // namespace qv::drilldown
