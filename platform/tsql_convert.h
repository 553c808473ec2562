#pragma once
// tsql_convert(type, expr): CONVERT(type, expr) as the dialect layer rewrites it, with SQL
// Server's padding, truncation, overflow and date rules. Registered by registerTsqlFunctions().

struct sqlite3_context;
struct sqlite3_value;

namespace qv::platform {

void convertFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv);

}  // namespace qv::platform
