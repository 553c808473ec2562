#pragma once
// ODBC data sources for tests: an SQLite file reached through the unixODBC driver manager
// and the SQLite ODBC driver, named like a company, standing in for SQL Server.

#include <QString>

namespace qv::tests {

// Adds the data source `name` over the SQLite file databaseFile to the configuration kept in
// folder (odbcinst.ini, odbc.ini) and points this process's unixODBC at it. NoCreat=1: a
// missing file is an error, never a new empty database. Timeout=1000: a locked file is
// waited for one second, not the driver's hundred.
void addOdbcDataSource(const QString& folder, const QString& name, const QString& databaseFile);

}  // namespace qv::tests
