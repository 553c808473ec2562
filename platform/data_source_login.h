#pragma once
// The login an ODBC data source's own entry carries. Drivers differ in whether they read it
// themselves (FreeTDS ignores UID and PWD in odbc.ini, the SQL Server vendor's driver never
// reads a password from a data source), so the connection passes it on.

#include <QString>

namespace qv::platform {

struct DataSourceLogin {
    QString user;      // empty: none given
    QString password;  // empty: none given
};

// The user (key UID, else User) and password (PWD, else Password) of the data source entry
// named dataSource, read through the driver manager's own profile functions: its files in
// its order (ODBCINI or ~/.odbc.ini before ODBCSYSINI or /etc/odbc.ini, the first file with
// the entry holding all of it), keys without regard to case, blanks around a value dropped.
DataSourceLogin readDataSourceLogin(const QString& dataSource);

// The login as QSqlDatabase::open must be given it for QODBC to send it whole. QODBC (Qt 6.4)
// appends ";UID=" and ";PWD=" to "DSN=<name>", each followed by the text as given, and passes
// the string's closing NUL as part of it. So a value with a ';' or a leading '{' goes in
// braces with every '}' doubled, and a ';' ends the last value given, or the NUL would become
// part of it; an empty value stays empty, so that none is sent. (FreeTDS 1.3 keeps a braced
// '}' doubled: a value with both ';' and '}' does not reach it whole.)
DataSourceLogin connectionAttributes(const DataSourceLogin& login);

}  // namespace qv::platform
