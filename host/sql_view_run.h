#pragma once
// One statement run through a new SQL view (CS0120) of a database link, in the order the host
// asks for every statement: opened, reset, browsed with the statement, set to read records;
// released when the run goes, also after a failure.

#include <QString>

#include <memory>

namespace qv::host {

class DbLink;
class View;

class SqlViewRun {
public:
    // Throws HostError when the view cannot be opened or the statement fails.
    SqlViewRun(DbLink& link, const QString& statement);
    ~SqlViewRun();
    SqlViewRun(const SqlViewRun&) = delete;
    SqlViewRun& operator=(const SqlViewRun&) = delete;

    // The view with the statement's result, before its first record.
    View& view() const { return *view_; }

private:
    std::unique_ptr<View> view_;
};

}  // namespace qv::host
