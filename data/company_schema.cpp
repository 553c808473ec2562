#include "data/company_writer.h"
#include "data/demo_company.h"

namespace qv::data {

void createCompanySchema(sqlite3* db) {
    execSql(db, schemaSql);
}

}  // namespace qv::data
