#pragma once
// SQLite groups every row of a join before it applies HAVING, unless the grouped column
// compares in binary: on the embedded company, whose text columns compare as SQL Server
// does, a summary statement grouped a million rows to keep one group. SQL Server's optimizer
// filters such rows first; this rewrite does the same for SQLite.

#include <QString>

namespace qv::platform {

// Moves each HAVING condition of the form `table.column = constant` (or `constant =
// table.column`), where table.column is one of the statement's GROUP BY columns, into a WHERE
// clause placed before GROUP BY. Equivalent by SQL's rules: the condition compares with the
// column's own collation, the one the grouping uses, so it holds for every row of a group or
// for none, and filtering the rows keeps exactly the groups it kept. Any other statement (no
// HAVING, a WHERE of its own, OR or BETWEEN in HAVING, subqueries, comments) comes back as
// it is.
QString filterRowsBeforeGrouping(const QString& sql);

}  // namespace qv::platform
