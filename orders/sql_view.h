#pragma once
// One statement run through a new SQL view (CS0120) of a database link: opened, reset,
// browsed with the statement, and released when the run goes, also after a failure.

#include <QString>

#include <memory>

namespace qv::host {
class DbLink;
class View;
}  // namespace qv::host

namespace qv::orders {

class SqlViewRun {
public:
    // Throws host::HostError when the view cannot be opened or the statement fails.
    SqlViewRun(host::DbLink& link, const QString& statement);
    ~SqlViewRun();
    SqlViewRun(const SqlViewRun&) = delete;
    SqlViewRun& operator=(const SqlViewRun&) = delete;

    // The view with the statement's result, before its first record.
    host::View& view() const { return *view_; }

private:
    std::unique_ptr<host::View> view_;
};

// A typed value between a statement's apostrophes: its own apostrophes doubled.
QString sqlConstant(const QString& value);

}  // namespace qv::orders
