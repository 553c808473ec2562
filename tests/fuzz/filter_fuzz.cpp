// The host filter language: any typed filter is either refused with a HostError or becomes a
// condition in which every constant is a bound parameter and only field names, operators,
// keywords and parentheses are SQL.
#include "host/filter.h"
#include "host/host_error.h"
#include "tests/fuzz/fuzz_support.h"

#include <QRegularExpression>

namespace {

const QStringList kFields = {"ITEMNO", "DESC", "QTYONHAND", "Location", "Lot_Num", "ÄRT"};

void checkCondition(const qv::host::SqlCondition& condition, const QString& filter) {
    using qv::tests::require;
    require(condition.sql.count(u'?') == condition.values.size(), "one ? for every bound value",
            filter + u'\n' + condition.sql);
    QString rest = condition.sql;
    for (const QString& field : kFields)
        rest.remove(u'[' + field + u']');
    static const QRegularExpression kSqlOnly(
        QStringLiteral("^(?:[ ()?]|<>|<=|>=|=|<|>|AND|OR|NOT|LIKE)*$"));
    require(kSqlOnly.match(rest).hasMatch(), "nothing typed becomes SQL",
            filter + u'\n' + condition.sql);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString filter = qv::tests::typedText(data, size);
    try {
        const auto tree = qv::host::parseFilter(filter, kFields);
        checkCondition(qv::host::toSqlCondition(tree.get()), filter);
    } catch (const qv::host::HostError&) {
        // A refused filter: the message names the position, which the unit tests check.
    }
    return 0;
}
