#include "data/company_writer.h"
#include "data/demo_company.h"

namespace qv::data {

extern const char* const schemaSql;  // schema.sql, embedded by the build

void createCompanySchema(sqlite3* db) {
    execSql(db, schemaSql);
}

}  // namespace qv::data
