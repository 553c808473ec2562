// The order finder's host filter. Input lines: the order value as typed, a customer number.
// Whatever they hold, the filter parses, and each reaches the database as one bound LIKE
// pattern holding it as it stands.
#include "host/filter.h"
#include "host/host_error.h"
#include "orders/order_finder.h"
#include "tests/fuzz/fuzz_support.h"

using qv::tests::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QStringList kFields = {"ORDNUMBER", "ORDDATE", "NUMSHPMENT", "CUSTOMER"};
    const QStringList typed = qv::tests::typedTexts(data, size, 2);
    const QString &orderValue = typed[0], &customer = typed[1];
    const QString filter = qv::orders::orderFinderFilter(orderValue, 20240101, customer);
    qv::host::SqlCondition condition;
    try {
        condition = qv::host::toSqlCondition(qv::host::parseFilter(filter, kFields).get());
    } catch (const qv::host::HostError& e) {
        require(false, "typed values always make a valid filter", e.text() + u'\n' + filter);
    }
    // Bound in order: the order value, the date limit, no shipment, the customer.
    const bool withCustomer = customer.trimmed().size() > 4;
    require(condition.values.size() == (withCustomer ? 4 : 3), "one value per condition", filter);
    require(condition.values[0] == QVariant(u'%' + orderValue + u'%'),
            "the order value is looked for as typed", filter);
    if (withCustomer)
        require(condition.values[3] == QVariant(u'%' + customer + u'%'),
                "the customer is looked for as given", filter);
    return 0;
}
