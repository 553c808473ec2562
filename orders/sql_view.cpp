#include "orders/sql_view.h"

#include "host/session.h"
#include "host/view.h"
#include "host/view_catalog.h"

namespace qv::orders {

namespace {

// The host's code for reading the result as a set of records.
constexpr int kRecordSet = 256;

}  // namespace

SqlViewRun::SqlViewRun(host::DbLink& link, const QString& statement)
    : view_(link.openView(host::kSqlViewId)) {
    view_->reset();
    view_->browse(statement, true);
    view_->internalSet(kRecordSet);
}

SqlViewRun::~SqlViewRun() {
    view_->release();
}

QString sqlConstant(const QString& value) {
    return QString(value).replace(u'\'', QStringLiteral("''"));
}

}  // namespace qv::orders
