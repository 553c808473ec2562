#pragma once
// The order finder: recent sales orders without a shipment, narrowed by what is typed in the
// order field and, through the category's first letter, to one customer.

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace qv::host {
class HostSession;
}

namespace qv::orders {

// The customer number a category text picks by its first character: upper-case letters of
// the fixed table only; anything else (a blank, a lower-case letter, no text) gives the empty
// text, no customer restriction.
QString customerForCategory(const QString& categoryText);

// The finder lists orders dated after this day: today minus 30 days as the number yyyymmdd.
int orderDateLimit(QDate today);

// The host filter over the order headers. The order value goes in as typed, its double
// quotes doubled (the filter language's escape), so it is looked for as it stands; the
// customer restriction is added when the customer number is longer than four characters.
QString orderFinderFilter(const QString& orderValue, int dateLimit, const QString& customer);

// Shows the order finder, modal, over the filter, with the order value (trimmed)
// preselected. Returns the chosen order's number and uniquifier, in that order; empty when
// cancelled. Throws host::HostError.
QStringList showOrderFinder(host::HostSession* session, const QString& orderValue,
                            const QString& filter, QWidget* parent);

// The order uniquifier the finder returned as text: the number the text begins with (blanks
// before it allowed; none gives 0), rounded to a 32-bit whole number, halves to even.
// Throws std::overflow_error for a number outside that range.
qint32 orderUniquifier(const QString& returned);

}  // namespace qv::orders
