#pragma once
// Read-only access to a company database: an ODBC data source named like the company,
// or an embedded SQLite company file. Statements are T-SQL; on SQLite they pass through
// the dialect layer first (tsql_dialect.h), on ODBC they are sent unchanged.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace qv::platform {

// A database failure carrying the server's or driver's own text.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// Where a company's database lives, as the sign-on profile says:
// "odbc" (the default: a data source named like the company) or "sqlite:PATH".
struct DatabaseSetting {
    enum class Kind { Odbc, Sqlite };
    Kind kind = Kind::Odbc;
    QString sqlitePath;

    static DatabaseSetting parse(const QString& text);  // throws DbError on an unknown form
    static DatabaseSetting sqlite(const QString& path) { return {Kind::Sqlite, path}; }
};

// The server's or driver's own words for a failure, for showing as they are.
QString errorText(const QSqlError& error);

// "Provider=MSDASQL.1;Persist Security Info=true;Data Source=" + company.
QString connectionString(const QString& companyId);
// The data source named by such a connection string (the text after "Data Source=").
QString dataSourceOf(const QString& connectionString);

// One open connection, made for one use and closed when it goes.
class Connection {
public:
    // Opens read-only; throws DbError with the driver's text when it cannot. An ODBC
    // connection also runs inside a transaction that is rolled back when it goes, so a
    // driver that ignores the read-only hint still keeps no write. It passes on the login
    // its data source's entry carries, if any (data_source_login.h), and no other.
    static std::unique_ptr<Connection> open(const QString& connectionString,
                                            const DatabaseSetting& setting);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isSqlite() const;
    QSqlDatabase database() const;
    // The statement as it will be sent: rewritten for SQLite, unchanged for ODBC. Throws
    // DbError for anything but a single SELECT (statement_guard.h), on both kinds.
    QString prepareStatement(const QString& tsql) const;

    // Called on the connection's thread when a statement starts to wait for a lock that
    // another program holds (SQLite; it waits up to kLockWaitMs, then fails as "locked").
    void setLockWaitHook(std::function<void()> hook) { lockWaitHook_ = std::move(hook); }
    // From any thread: a statement that waits for a lock gives up at once, and on SQLite a
    // running one fails at its next step. The caller asked for that: the failure it gives
    // is no news to anyone. On ODBC the driver's own wait runs out first.
    void interrupt();

    static constexpr int kLockWaitMs = 5000;

private:
    Connection(QString name, bool sqlite, bool inTransaction, sqlite3* handle);
    static int waitForLock(void* connection, int attempt);

    QString name_;
    bool sqlite_;
    bool inTransaction_;
    sqlite3* handle_;
    std::function<void()> lockWaitHook_;
    std::atomic<bool> interrupted_{false};
};

// A forward-only result over one SELECT statement. It must go before its Connection.
class Recordset {
public:
    // Runs the statement; throws DbError with the server's text when it is rejected.
    Recordset(Connection& connection, const QString& statement);

    int recordCount() const { return -1; }  // neither driver can tell it
    bool eof() const { return eof_; }
    void moveNext();  // throws DbError: an error in a later row surfaces here

    // Column index by name without regard to case; throws DbError naming an unknown column.
    int fieldIndex(const QString& name) const;
    QVariant value(int index) const { return query_.value(index); }
    QVariant field(const QString& name) const { return value(fieldIndex(name)); }
    int fieldCount() const;

private:
    QSqlQuery query_;
    QSqlRecord record_;  // column names, read once
    bool eof_ = true;
};

}  // namespace qv::platform
