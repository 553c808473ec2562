#include "platform/database.h"

#include "platform/data_source_login.h"
#include "platform/group_filter.h"
#include "platform/sqlite_tsql.h"
#include "platform/statement_guard.h"
#include "platform/tsql_dialect.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace qv::platform {
namespace {

const QLatin1String kProvider("Provider=MSDASQL.1;Persist Security Info=true;Data Source=");

// How often a statement waiting for a lock tries again.
constexpr int kLockPollMs = 20;

sqlite3* sqliteHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    const bool isSqlite3 = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0;
    return isSqlite3 ? *static_cast<sqlite3* const*>(handle.constData()) : nullptr;
}

// Registers the T-SQL functions on the sqlite3 handle under a QSQLITE connection; returns
// an error text, empty on success.
QString registerOnHandle(sqlite3* raw) {
    if (raw == nullptr)
        return QStringLiteral("the SQLite driver gives no sqlite3 handle");
    if (registerTsqlFunctions(raw) != SQLITE_OK)
        return QStringLiteral("cannot register the T-SQL functions: %1")
            .arg(QString::fromUtf8(sqlite3_errmsg(raw)));
    return {};
}

}  // namespace

// The server's or driver manager's own words when there are any ("Conversion failed ...");
// Qt's text only says which step failed ("Unable to fetch row"). For errors Qt raises itself,
// QSQLITE still fills the database text, with SQLite's "not an error".
QString errorText(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    if (!database.isEmpty() && database.compare(QLatin1String("not an error")) != 0)
        return database;
    const QString driver = error.driverText().trimmed();
    return driver.isEmpty() ? error.text() : driver;
}

DatabaseSetting DatabaseSetting::parse(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.compare(QLatin1String("odbc"), Qt::CaseInsensitive) == 0)
        return {};
    const QLatin1String prefix("sqlite:");
    if (t.startsWith(prefix, Qt::CaseInsensitive) && t.size() > prefix.size())
        return sqlite(t.mid(prefix.size()));
    throw DbError(
        QStringLiteral("Unknown database setting \"%1\": use odbc or sqlite:PATH").arg(text));
}

QString connectionString(const QString& companyId) {
    return kProvider + companyId;
}

QString dataSourceOf(const QString& connectionString) {
    for (const QString& part : connectionString.split(u';')) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals > 0 && part.left(equals).trimmed().compare(QLatin1String("Data Source"),
                                                              Qt::CaseInsensitive) == 0)
            return part.mid(equals + 1).trimmed();
    }
    return {};
}

std::unique_ptr<Connection> Connection::open(const QString& connectionString,
                                             const DatabaseSetting& setting) {
    static std::atomic<int> serial{0};
    const bool sqlite = setting.kind == DatabaseSetting::Kind::Sqlite;
    const QString name = QStringLiteral("qv-connection-%1").arg(++serial);
    const QString source = sqlite ? setting.sqlitePath : dataSourceOf(connectionString);
    if (source.isEmpty())
        throw DbError(QStringLiteral("The connection string \"%1\" names no data source")
                          .arg(connectionString));
    // Read-only opening never creates a file, but SQLite's message would not name it.
    if (sqlite && !QFileInfo(source).isFile())
        throw DbError(QStringLiteral("The company database %1 does not exist").arg(source));

    QString failure;
    bool inTransaction = false;
    sqlite3* handle = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QODBC"), name);
        if (sqlite) {
            db.setDatabaseName(source);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        } else {
            db.setDatabaseName(source);  // QODBC sends it as "DSN=<source>"
            db.setConnectOptions(QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY"));
        }
        // The login the data source carries, which not every driver reads itself; QSqlDatabase
        // keeps no password.
        const DataSourceLogin login =
            connectionAttributes(sqlite ? DataSourceLogin{} : readDataSourceLogin(source));
        if (!db.open(login.user, login.password)) {
            failure = errorText(db.lastError());
        } else if (sqlite) {
            handle = sqliteHandle(db);
            failure = registerOnHandle(handle);
        } else {
            // Autocommit off: whatever a statement writes is rolled back when the connection
            // goes. A driver without transactions keeps only the read-only hint.
            inTransaction = db.transaction();
        }
        if (!failure.isEmpty())
            db.close();
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(name);
        throw DbError(
            QStringLiteral("Cannot open the company database %1: %2").arg(source, failure));
    }
    std::unique_ptr<Connection> connection(new Connection(name, sqlite, inTransaction, handle));
    // In place of the driver's busy timeout, which waits as long but cannot be interrupted.
    if (handle != nullptr)
        sqlite3_busy_handler(handle, &Connection::waitForLock, connection.get());
    return connection;
}

Connection::Connection(QString name, bool sqlite, bool inTransaction, sqlite3* handle)
    : name_(std::move(name)), sqlite_(sqlite), inTransaction_(inTransaction), handle_(handle) {}

int Connection::waitForLock(void* connection, int attempt) {
    auto& self = *static_cast<Connection*>(connection);
    if (self.interrupted_ || attempt * kLockPollMs >= kLockWaitMs)
        return 0;
    if (attempt == 0 && self.lockWaitHook_)
        self.lockWaitHook_();
    std::this_thread::sleep_for(std::chrono::milliseconds(kLockPollMs));
    return 1;
}

void Connection::interrupt() {
    interrupted_ = true;
    if (handle_ != nullptr)
        sqlite3_interrupt(handle_);
}

Connection::~Connection() {
    if (inTransaction_)
        database().rollback();
    database().close();
    QSqlDatabase::removeDatabase(name_);
}

bool Connection::isSqlite() const {
    return sqlite_;
}

QSqlDatabase Connection::database() const {
    return QSqlDatabase::database(name_, false);
}

QString Connection::prepareStatement(const QString& tsql) const {
    requireSingleSelect(tsql);
    return sqlite_ ? rewriteTsqlForSqlite(filterRowsBeforeGrouping(tsql)) : tsql;
}

Recordset::Recordset(Connection& connection, const QString& statement)
    : query_(connection.database()) {
    // Forward-only, or the driver keeps every row read so far in memory.
    query_.setForwardOnly(true);
    if (!query_.exec(connection.prepareStatement(statement)))
        throw DbError(errorText(query_.lastError()));
    record_ = query_.record();
    moveNext();
}

void Recordset::moveNext() {
    eof_ = !query_.next();
    // A failing row ends the rows like the real end does; only the error tells them apart.
    if (eof_ && query_.lastError().isValid())
        throw DbError(errorText(query_.lastError()));
}

int Recordset::fieldIndex(const QString& name) const {
    const int index = record_.indexOf(name);
    if (index < 0)
        throw DbError(QStringLiteral("The result has no column named %1").arg(name));
    return index;
}

int Recordset::fieldCount() const {
    return record_.count();
}

}  // namespace qv::platform
