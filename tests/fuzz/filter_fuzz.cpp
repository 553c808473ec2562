// The host filter language: any typed filter is either refused with a HostError or becomes a
// condition in which every constant is a bound parameter and only field names, operators,
// keywords and parentheses are SQL.
#include "host/filter.h"
#include "host/host_error.h"
#include "tests/fuzz/fuzz_support.h"

#include <QRegularExpression>

using qv::tests::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QStringList kFields = {"ITEMNO",   "DESC",    "QTYONHAND",
                                        "Location", "Lot_Num", "ÄRT"};
    // Nothing but keywords, operators, parentheses, blanks and ?.
    static const QRegularExpression kConditionSyntax(
        QRegularExpression::anchoredPattern("(?:[ ()?<>=]|(?:AND|OR|NOT|LIKE)(?![A-Z]))*"));
    const QString filter = qv::tests::typedText(data, size);
    try {
        const auto condition =
            qv::host::toSqlCondition(qv::host::parseFilter(filter, kFields).get());
        const QString detail = filter + u'\n' + condition.sql;
        require(condition.sql.count(u'?') == condition.values.size(), "one ? for every bound value",
                detail);
        QString rest = condition.sql;
        for (const QString& field : kFields)
            rest.remove(u'[' + field + u']');
        require(kConditionSyntax.match(rest).hasMatch(), "nothing typed becomes SQL", detail);
    } catch (const qv::host::HostError&) {
        // A refused filter: the message names the position, which the unit tests check.
    }
    return 0;
}
