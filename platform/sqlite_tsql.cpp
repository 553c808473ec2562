// SQL Server behaviour for the embedded SQLite company: registration of the collation and
// functions of tsql_collation.cpp and tsql_convert.cpp. Plain C++ over the SQLite C API (no
// Qt), so the same sources also build as a loadable extension for the sqlite3 shell
// (QV_SQLITE_EXTENSION), which makes the demo company inspectable by hand.

#include "platform/sqlite_tsql_api.h"
#ifdef QV_SQLITE_EXTENSION
SQLITE_EXTENSION_INIT1
#endif

#include "platform/sqlite_tsql.h"

#include "platform/tsql_collation.h"
#include "platform/tsql_convert.h"

namespace qv::platform {

int registerTsqlFunctions(sqlite3* db) {
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_collation_v2(db, "TSQL_CI", SQLITE_UTF8, nullptr, compareCi, nullptr);
    for (int argc : {2, 3}) {
        if (rc == SQLITE_OK)
            rc = sqlite3_create_function_v2(db, "like", argc, kFlags, nullptr, likeFunction,
                                            nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "tsql_convert", 2, kFlags, nullptr, convertFunction,
                                        nullptr, nullptr, nullptr);
    // SQLite 3.40 returns wrong LEFT JOIN rows through views over an RTRIM-style collation
    // when it builds an automatic index; the schema declares the indexes it needs instead.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA automatic_index = OFF", nullptr, nullptr, nullptr);
    return rc;
}

}  // namespace qv::platform

#ifdef QV_SQLITE_EXTENSION
// Entry point the sqlite3 shell derives from the file name: ".load quorvan_tsql".
extern "C" int sqlite3_quorvantsql_init(sqlite3* db, char** errorMessage,
                                        const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    const int rc = qv::platform::registerTsqlFunctions(db);
    if (rc != SQLITE_OK)
        *errorMessage = sqlite3_mprintf("%s", sqlite3_errmsg(db));
    return rc;
}
#endif
