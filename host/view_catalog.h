#pragma once
// The host views this program opens: identifier, the company table behind it and a title
// for the finder. CS0120 has no table: it runs the SQL statement given as its filter.

#include <QString>

namespace qv::host {

struct ViewDefinition {
    QString id;
    QString table;  // empty for the SQL view
    QString title;
};

inline const QString sqlViewId = QStringLiteral("CS0120");

// The definition of a view identifier (exact spelling); null for an unknown one.
const ViewDefinition* findViewDefinition(const QString& id);

}  // namespace qv::host
