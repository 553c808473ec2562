#pragma once
// The views of our host: each instance holds its own connection to the company database.
// A table view reads one table with the host filter language and in key order; the SQL
// view (CS0120) runs the one statement given as its filter.

#include "host/view.h"
#include "platform/database.h"

#include <QSqlQuery>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

namespace qv::host {

struct ViewDefinition;

// Opens a view by identifier on the company's database; throws HostError for an unknown
// identifier or a database that cannot be opened.
std::unique_ptr<View> openCompanyView(const QString& companyId,
                                      const platform::DatabaseSetting& setting,
                                      const QString& viewId);

// What both kinds of view share: the connection, the cursor over the last browse and the
// fields of the current record.
class QueryView : public View {
public:
    QString id() const override { return id_; }
    void reset() override;
    void internalSet(int) override {}
    bool fetch() override;
    QVariant field(const QString& name) const override;
    QVariant fieldValue(int number) const override;
    QString fieldName(int number) const override;
    void release() override;

protected:
    QueryView(QString id, std::unique_ptr<platform::Connection> connection);
    platform::Connection& connection() const;
    // A forward-only query on the view's connection.
    QSqlQuery newQuery() const;
    // Executes the query (the prepared one, or the statement when given) and makes it the
    // cursor; returns its columns.
    QStringList start(QSqlQuery& query, const QString& statement = {});
    // The columns the cursor reads, by name.
    const QStringList& fields() const { return fields_; }
    // The columns, and the column each field number means; fails naming a missing column.
    void setFields(const QStringList& fields, const std::map<int, QString>& numbered);
    // Called by fetch() on a view never browsed; returns whether a cursor was started.
    virtual bool startUnbrowsed() = 0;
    [[noreturn]] void fail(const QString& what) const;

private:
    int indexOf(const QString& name) const;
    int columnOf(int number) const;

    QString id_;
    std::unique_ptr<platform::Connection> connection_;
    std::optional<QSqlQuery> cursor_;  // declared after the connection: goes first
    QStringList fields_;
    std::map<int, int> columnOf_;  // field number -> index in fields_
    bool onRecord_ = false;
};

class TableView : public QueryView {
public:
    TableView(const ViewDefinition& definition, std::unique_ptr<platform::Connection> connection);
    void browse(const QString& filter, bool ascending) override;

protected:
    bool startUnbrowsed() override;

private:
    QString table_;
    QStringList keys_;
};

class SqlView : public QueryView {
public:
    explicit SqlView(std::unique_ptr<platform::Connection> connection);
    void browse(const QString& statement, bool ascending) override;

protected:
    bool startUnbrowsed() override { return false; }
};

}  // namespace qv::host
