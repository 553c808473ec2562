#include "host/query_view.h"

#include "host/filter.h"
#include "host/host_error.h"
#include "host/view_catalog.h"
#include "platform/busy_pointer.h"

#include <QSqlError>
#include <QSqlIndex>
#include <QSqlRecord>

#include <map>

namespace qv::host {

using platform::Connection;
using platform::connectionString;
using platform::DatabaseSetting;
using platform::DbError;
using platform::errorText;

namespace {

QString bracketed(const QString& name) {
    return u'[' + name + u']';
}

}  // namespace

std::unique_ptr<View> openCompanyView(const QString& companyId, const DatabaseSetting& setting,
                                      const QString& viewId) {
    const ViewDefinition* definition = findViewDefinition(viewId);
    if (!definition)
        throw HostError(QStringLiteral("unknown view %1").arg(viewId));
    // Opening reads the table's columns: the first wait on a locked company.
    const platform::BusyPointer busy;
    std::unique_ptr<Connection> connection;
    try {
        connection = Connection::open(connectionString(companyId), setting);
    } catch (const DbError& e) {
        throw HostError(
            QStringLiteral("%1: cannot open company %2: %3").arg(viewId, companyId, e.text()));
    }
    if (definition->table.isEmpty())
        return std::make_unique<SqlView>(std::move(connection));
    return std::make_unique<TableView>(*definition, std::move(connection));
}

QueryView::QueryView(QString id, std::unique_ptr<Connection> connection)
    : id_(std::move(id)), connection_(std::move(connection)) {}

void QueryView::fail(const QString& what) const {
    throw HostError(id_ + QStringLiteral(": ") + what);
}

Connection& QueryView::connection() const {
    if (!connection_)
        fail(QStringLiteral("the view has been released"));
    return *connection_;
}

QSqlQuery QueryView::newQuery() const {
    QSqlQuery query(connection().database());
    query.setForwardOnly(true);
    return query;
}

QStringList QueryView::start(QSqlQuery& query, const QString& statement) {
    cursor_.reset();
    onRecord_ = false;
    const platform::BusyPointer busy;
    if (!(statement.isEmpty() ? query.exec() : query.exec(statement)))
        fail(errorText(query.lastError()));
    QStringList columns;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    cursor_.emplace(std::move(query));
    return columns;
}

void QueryView::reset() {
    connection();
    cursor_.reset();
    onRecord_ = false;
}

bool QueryView::fetch() {
    connection();
    if (!cursor_ && !startUnbrowsed())
        return false;
    onRecord_ = cursor_->next();
    // A failure in a later row only shows once next() has given up.
    if (!onRecord_ && cursor_->lastError().type() != QSqlError::NoError)
        fail(errorText(cursor_->lastError()));
    return onRecord_;
}

int QueryView::indexOf(const QString& name) const {
    const qsizetype index = indexOfField(fields_, name);
    if (index < 0)
        fail(QStringLiteral("unknown field %1 in view %2").arg(name, id_));
    return int(index);
}

QVariant QueryView::field(const QString& name) const {
    const int index = indexOf(name);
    return onRecord_ ? cursor_->value(index) : QVariant();
}

void QueryView::setFields(const QStringList& fields, const std::map<int, QString>& numbered) {
    fields_ = fields;
    columnOf_.clear();
    for (const auto& [number, name] : numbered) {
        const qsizetype column = indexOfField(fields_, name);
        if (column < 0)
            fail(QStringLiteral("the company database has no column %1 for field %2")
                     .arg(name)
                     .arg(number));
        columnOf_[number] = int(column);
    }
}

int QueryView::columnOf(int number) const {
    const auto found = columnOf_.find(number);
    if (found == columnOf_.end())
        fail(QStringLiteral("no field number %1").arg(number));
    return found->second;
}

QVariant QueryView::fieldValue(int number) const {
    const int column = columnOf(number);
    return onRecord_ ? cursor_->value(column) : QVariant();
}

QString QueryView::fieldName(int number) const {
    return fields_[columnOf(number)];
}

void QueryView::release() {
    cursor_.reset();
    onRecord_ = false;
    connection_.reset();
}

TableView::TableView(const ViewDefinition& definition, std::unique_ptr<Connection> connection)
    : QueryView(definition.id, std::move(connection)), table_(definition.table) {
    const QSqlDatabase db = this->connection().database();
    QStringList columns;
    if (this->connection().isSqlite()) {
        // table_info lists the key columns with their place in the key, which the driver's
        // primaryIndex() loses.
        QSqlQuery info(db);
        if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(bracketed(table_))))
            fail(errorText(info.lastError()));
        std::map<int, QString> keyByPlace;
        while (info.next()) {
            columns << info.value(1).toString();
            if (const int place = info.value(5).toInt(); place > 0)
                keyByPlace[place] = columns.last();
        }
        for (const auto& [place, column] : keyByPlace)
            keys_ << column;
    } else {
        // The driver's catalogue calls drop their errors (a locked database read as a table
        // without columns) and each waits out a lock again: one query gives the columns or
        // the driver's own words.
        QSqlQuery probe = newQuery();
        if (!probe.exec(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(bracketed(table_))))
            fail(errorText(probe.lastError()));
        const QSqlRecord record = probe.record();
        for (int i = 0; i < record.count(); ++i)
            columns << record.fieldName(i);
        probe.finish();
        const QSqlIndex key = db.primaryIndex(table_);
        for (int i = 0; i < key.count(); ++i)
            keys_ << key.fieldName(i);
    }
    if (columns.isEmpty())
        fail(QStringLiteral("the company database has no table %1").arg(table_));
    if (keys_.isEmpty())
        keys_ << columns.first();
    setFields(columns, definition.fields);
}

void TableView::browse(const QString& filter, bool ascending) {
    SqlCondition condition;
    try {
        condition = toSqlCondition(parseFilter(filter, fields()).get());
    } catch (const HostError& e) {
        fail(e.text());
    }
    QStringList columns, order;
    for (const QString& field : fields())
        columns << bracketed(field);
    for (const QString& key : keys_)
        order << bracketed(key) + (ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(columns.join(QStringLiteral(", ")), bracketed(table_));
    if (!condition.sql.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition.sql;
    sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));

    QSqlQuery query = newQuery();
    if (!query.prepare(sql))
        fail(errorText(query.lastError()));
    for (const QVariant& value : condition.values)
        query.addBindValue(value);
    start(query);
}

bool TableView::startUnbrowsed() {
    browse(QString(), true);
    return true;
}

SqlView::SqlView(std::unique_ptr<Connection> connection)
    : QueryView(kSqlViewId, std::move(connection)) {}

void SqlView::browse(const QString& statement, bool) {
    if (statement.trimmed().isEmpty())
        fail(QStringLiteral("no SQL statement to run"));
    QString prepared;
    try {
        prepared = connection().prepareStatement(statement);
    } catch (const DbError& e) {
        fail(e.text());
    }
    QSqlQuery query = newQuery();
    const QStringList columns = start(query, prepared);
    // A statement's fields are numbered in the order it selects them.
    std::map<int, QString> numbered;
    for (qsizetype i = 0; i < columns.size(); ++i)
        numbered[int(i) + 1] = columns[i];
    setFields(columns, numbered);
}

}  // namespace qv::host
