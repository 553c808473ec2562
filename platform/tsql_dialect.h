#pragma once
// Rewrites the program's T-SQL statements for the embedded SQLite company. Tokenizer-based:
// string literals, [bracketed] and "quoted" identifiers are never touched. Drops dbo.
// prefixes, turns CONVERT(type, expr) into tsql_convert('type', expr), and refuses any other
// construct SQLite would read differently (throws DbError naming it).

#include <QString>

namespace qv::platform {

QString rewriteTsqlForSqlite(const QString& tsql);

}  // namespace qv::platform
