#pragma once
// The SQLite C API for the T-SQL sources. In the sqlite3 shell's extension build
// (QV_SQLITE_EXTENSION) every call goes through the table the shell hands over, which
// sqlite_tsql.cpp defines.

#ifdef QV_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif
