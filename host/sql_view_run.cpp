#include "host/sql_view_run.h"

#include "host/session.h"
#include "host/view.h"
#include "host/view_catalog.h"

namespace qv::host {

namespace {

// The host's code for reading the result as a set of records.
constexpr int kRecordSet = 256;

}  // namespace

SqlViewRun::SqlViewRun(DbLink& link, const QString& statement) : view_(link.openView(kSqlViewId)) {
    view_->reset();
    view_->browse(statement, true);
    view_->internalSet(kRecordSet);
}

SqlViewRun::~SqlViewRun() {
    view_->release();
}

}  // namespace qv::host
