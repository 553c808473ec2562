#pragma once
// The host views this program opens: identifier, the company table behind it, a title for the
// finder and what its field numbers mean. CS0120 has no table: it runs the SQL statement given
// as its filter.

#include <QString>

#include <map>
#include <span>

namespace qv::host {

struct ViewDefinition {
    QString id;
    QString table;  // empty for the SQL view
    QString title;
    // Field number -> column, for every number the program uses. Named rather than taken from
    // the table's column order: a real company's tables hold audit columns in between.
    std::map<int, QString> fields;
};

inline const QString kSqlViewId = QStringLiteral("CS0120");

// Every view the program opens.
std::span<const ViewDefinition> viewDefinitions();
// The definition of a view identifier (exact spelling); null for an unknown one.
const ViewDefinition* findViewDefinition(const QString& id);

}  // namespace qv::host
