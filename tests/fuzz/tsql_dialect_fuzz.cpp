// The layers every statement passes before it reaches a connection: the single-SELECT guard and
// the SQLite dialect rewrite. Any text is let through or refused with a DbError by each; they
// never crash, read out of bounds or throw anything else.
#include "platform/database.h"
#include "platform/statement_guard.h"
#include "platform/tsql_dialect.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString sql = qv::tests::typedText(data, size);
    try {
        qv::platform::requireSingleSelect(sql);
    } catch (const qv::platform::DbError&) {
    }
    try {
        qv::platform::rewriteTsqlForSqlite(sql);
    } catch (const qv::platform::DbError&) {
    }
    return 0;
}
