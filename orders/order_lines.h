#pragma once
// The lines of one sales order as the order-lines list shows them: the columns, the
// statement, each line's cells and the totals beside the list.

#include "platform/list_column.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace qv::host {
class DbLink;
class View;
}  // namespace qv::host

namespace qv::orders {

// Item Number, Qty, UOM, Weight, ExtWeight, Case P/Pallet: headers, widths, alignments.
std::vector<platform::ListColumn> orderLineColumns();

// The lines statement for one order uniquifier, built piece by piece as the company
// database expects it.
QString orderLinesStatement(qint32 orderUniquifier);

// One line: its six cells in column order (quantities and weights formatted "#,###  ", the
// rest as the database gives them), and the amounts the totals add up.
struct OrderLine {
    QStringList cells;
    double qtyOrdered = 0;
    double extWeight = 0;
};
// The line view is on. Throws std::runtime_error naming a quantity or weight that is no
// number.
OrderLine orderLineFrom(const host::View& view);

// The totals of the lines listed so far: weights and quantities summed as they are and
// shown rounded, "#,###   "; the count "#,###".
class OrderLineTotals {
public:
    void add(const OrderLine& line);
    QString weightText() const;
    QString qtyText() const;
    QString countText() const;

private:
    double weight_ = 0;
    double qty_ = 0;
    int count_ = 0;
};

// Reads the order's lines through a new SQL view of the company link and hands each to
// listed with the totals including it, as it comes. A failure (host::HostError, or a line
// that cannot be read) ends the reading; the lines handed over before it stay handed over.
void readOrderLines(host::DbLink& companyLink, qint32 orderUniquifier,
                    const std::function<void(const OrderLine&, const OrderLineTotals&)>& listed);

}  // namespace qv::orders
