#pragma once
// ODBC data sources for tests: an SQLite file reached through the unixODBC driver manager
// and the SQLite ODBC driver, named like a company, standing in for SQL Server.

#include <QString>

#include <string>

namespace qv::tests {

// The name the driver manager knows a SQLite 3 ODBC driver by ("SQLite3" on Debian), found
// among the drivers it lists, wherever its library lies; empty, with the reason in why, when
// there is none. Tests of the ODBC road skip with that reason.
QString registeredSqlite3Driver(std::string& why);

// Adds the data source `name` over the SQLite file databaseFile to the odbc.ini kept in
// folder and points this process's unixODBC at it. NoCreat=1: a missing file is an error,
// never a new empty database. Timeout=1000: a locked file is waited for one second, not the
// driver's hundred. Throws std::runtime_error when no driver is registered or the file
// cannot be written.
void addOdbcDataSource(const QString& folder, const QString& name, const QString& databaseFile);

}  // namespace qv::tests
