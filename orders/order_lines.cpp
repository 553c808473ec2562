#include "orders/order_lines.h"

#include "host/sql_view_run.h"
#include "host/view.h"
#include "platform/formats.h"

#include <stdexcept>

namespace qv::orders {

using platform::formatNumber;
using platform::valueText;

namespace {

constexpr char16_t kAmountFormat[] = u"#,###  ";
constexpr char16_t kTotalFormat[] = u"#,###   ";

double amount(const host::View& view, const char* column) {
    const QVariant value = view.field(QString::fromLatin1(column));
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (!isNumber)
        throw std::runtime_error(QStringLiteral("The %1 of an order line is not a number: \"%2\"")
                                     .arg(QString::fromLatin1(column), valueText(value))
                                     .toStdString());
    return number;
}

}  // namespace

std::vector<platform::ListColumn> orderLineColumns() {
    return {{QStringLiteral("Item Number"), 1600, Qt::AlignLeft},
            {QStringLiteral("Qty"), 900, Qt::AlignRight},
            {QStringLiteral("UOM"), 700, Qt::AlignHCenter},
            {QStringLiteral("Weight"), 1100, Qt::AlignRight},
            {QStringLiteral("ExtWeight"), 1200, Qt::AlignRight},
            {QStringLiteral("Case P/Pallet"), 1500, Qt::AlignHCenter}};
}

QString orderLinesStatement(qint32 orderUniquifier) {
    // Sent as built: two blanks after SELECT, none before PICKSEQ.
    return QStringLiteral(
               " SELECT  ORDUNIQ, ITEM, [DESC] AS ITEMDESC, QTYORDERED, ORDUNIT, UNITWEIGHT, "
               "EXTWEIGHT,PICKSEQ ") +
           QStringLiteral(" From dbo.OEORDD ") + QStringLiteral(" WHERE (ORDUNIQ = '") +
           QString::number(orderUniquifier) + QStringLiteral("') ");
}

OrderLine orderLineFrom(const host::View& view) {
    const auto text = [&view](const char* column) {
        return valueText(view.field(QString::fromLatin1(column)));
    };
    OrderLine line;
    line.qtyOrdered = amount(view, "QTYORDERED");
    line.extWeight = amount(view, "EXTWEIGHT");
    line.cells = {text("ITEM"),
                  formatNumber(line.qtyOrdered, kAmountFormat),
                  text("ORDUNIT"),
                  formatNumber(amount(view, "UNITWEIGHT"), kAmountFormat),
                  formatNumber(line.extWeight, kAmountFormat),
                  text("PICKSEQ")};
    return line;
}

void OrderLineTotals::add(const OrderLine& line) {
    weight_ += line.extWeight;
    qty_ += line.qtyOrdered;
    ++count_;
}

QString OrderLineTotals::weightText() const {
    return formatNumber(weight_, kTotalFormat);
}

QString OrderLineTotals::qtyText() const {
    return formatNumber(qty_, kTotalFormat);
}

QString OrderLineTotals::countText() const {
    return formatNumber(count_, u"#,###");
}

void readOrderLines(host::DbLink& companyLink, qint32 orderUniquifier,
                    const std::function<void(const OrderLine&, const OrderLineTotals&)>& listed) {
    const host::SqlViewRun run(companyLink, orderLinesStatement(orderUniquifier));
    OrderLineTotals totals;
    while (run.view().fetch()) {
        const OrderLine line = orderLineFrom(run.view());
        totals.add(line);
        listed(line, totals);
    }
}

}  // namespace qv::orders
