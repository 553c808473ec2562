#pragma once
// The host filter language: text constants in double quotes ("" inside is one quote), whole
// and decimal numbers, field names, = <> != < <= > >= LIKE, AND, OR, NOT and parentheses;
// AND binds tighter than OR. A filter is parsed into a tree and turned into an SQL condition
// whose constants are all bound parameters, so typed text never becomes SQL.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

namespace qv::host {

// The index of a field name in the list, case ignored; -1 when it is not there.
qsizetype indexOfField(const QStringList& fields, const QString& name);

struct FilterNode {
    enum class Kind { And, Or, Not, Compare, Field, Constant };
    Kind kind;
    QString op;      // Compare: "=", "<>", "<", "<=", ">", ">=", "LIKE" ("!=" becomes "<>")
    QVariant value;  // Field: the view's own spelling of the name; Constant: text or number
    std::vector<std::unique_ptr<FilterNode>> children;  // And, Or: two or more, in order
};

// Parses a filter against the view's field names (matched without regard to case). An empty
// or blank filter gives null. Throws HostError "filter error at position N: ..." (N counted
// from 1) for a malformed filter or an unknown field.
std::unique_ptr<FilterNode> parseFilter(const QString& text, const QStringList& fields);

struct SqlCondition {
    QString sql;          // with ? for every constant; empty for all records
    QVariantList values;  // bound in order
};

// The WHERE condition of a parsed filter; field names are written [NAME].
SqlCondition toSqlCondition(const FilterNode* filter);

}  // namespace qv::host
