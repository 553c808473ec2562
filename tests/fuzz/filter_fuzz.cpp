// The host filter language: any typed filter is either refused with a HostError or becomes a
// condition in which every constant is a bound parameter and only field names, operators,
// keywords and parentheses are SQL.
#include "host/filter.h"
#include "host/host_error.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const QStringList kFields = {"ITEMNO", "DESC", "QTYONHAND", "Location", "Lot_Num", "ÄRT"};

// Whether the text holds nothing but keywords, operators, parentheses, blanks and ?.
bool isConditionSyntax(const QString& text) {
    static const QStringList kKeywords = {"AND", "OR", "NOT", "LIKE"};
    for (qsizetype i = 0; i < text.size();) {
        if (QStringView(u" ()?<>=").contains(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end] >= u'A' && text[end] <= u'Z')
            ++end;
        if (end == i || !kKeywords.contains(text.mid(i, end - i)))
            return false;
        i = end;
    }
    return true;
}

void checkCondition(const qv::host::SqlCondition& condition, const QString& filter) {
    using qv::tests::require;
    require(condition.sql.count(u'?') == condition.values.size(), "one ? for every bound value",
            filter + u'\n' + condition.sql);
    QString rest = condition.sql;
    for (const QString& field : kFields)
        rest.remove(u'[' + field + u']');
    require(isConditionSyntax(rest), "nothing typed becomes SQL", filter + u'\n' + condition.sql);
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
