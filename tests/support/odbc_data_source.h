#pragma once
// ODBC data sources for tests: an SQLite file reached through the unixODBC driver manager
// and the SQLite ODBC driver, named like a company, standing in for SQL Server; or any other
// driver the driver manager has registered, such as FreeTDS.

#include <QString>
#include <QStringList>

#include <string>

namespace qv::tests {

// The name the driver manager knows the driver whose library's file name contains library
// by, found among the drivers it lists, wherever its library lies; empty, with the reason in
// why, when there is none. Tests of the ODBC road skip with that reason; install names the
// Debian package that brings the driver.
QString registeredDriver(const QString& library, const QString& install, std::string& why);
// A SQLite 3 ODBC driver ("SQLite3" on Debian).
inline QString registeredSqlite3Driver(std::string& why) {
    return registeredDriver("sqlite3odbc", "libsqliteodbc", why);
}

// Adds the data source `name` with the given "Key=Value" lines to the odbc.ini kept in
// folder and points this process's unixODBC at it. Throws std::runtime_error when the file
// cannot be written.
void addDataSource(const QString& folder, const QString& name, const QStringList& lines);

// Adds the data source `name` over the SQLite file databaseFile. NoCreat=1: a missing file is
// an error, never a new empty database. Timeout=1000: a locked file is waited for one second,
// not the driver's hundred. Throws std::runtime_error when no driver is registered or the
// file cannot be written.
void addOdbcDataSource(const QString& folder, const QString& name, const QString& databaseFile);

}  // namespace qv::tests
