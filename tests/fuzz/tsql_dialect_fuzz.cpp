// The SQLite dialect rewrite: any statement text is rewritten or refused with a DbError; it
// never crashes, reads out of bounds or throws anything else.
#include "platform/database.h"
#include "platform/tsql_dialect.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        qv::platform::rewriteTsqlForSqlite(qv::tests::typedText(data, size));
    } catch (const qv::platform::DbError&) {
        // A construct SQLite would read differently, named in the message.
    }
    return 0;
}
