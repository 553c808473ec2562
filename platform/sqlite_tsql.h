#pragma once
// The SQL Server behaviour the embedded SQLite company needs, registered on one sqlite3
// handle: the TSQL_CI collation (case-insensitive, trailing blanks ignored), like() with
// SQL Server semantics, tsql_convert() for rewritten CONVERT calls, and
// PRAGMA automatic_index = OFF. Must be called for every connection.

#include <string_view>

struct sqlite3;

namespace qv::platform {

// Returns an SQLite result code (SQLITE_OK on success).
int registerTsqlFunctions(sqlite3* db);

// Whether tsql_convert() knows the CONVERT target type ("CHAR(8)", "DATETIME", ...), so a
// statement can be refused before it runs rather than at its first row.
bool isSupportedConvertType(std::string_view type);

}  // namespace qv::platform
