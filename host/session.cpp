#include "host/session.h"

#include "data/demo_company.h"
#include "host/host_error.h"
#include "host/query_view.h"
#include "host/signon_profile.h"
#include "host/view.h"

#include <QDebug>
#include <QSet>

namespace qv::host {

using platform::Connection;
using platform::connectionString;
using platform::DatabaseSetting;
using platform::DbError;
using platform::Recordset;

namespace {

// Sign-ons given out by this process and not yet signed off.
QSet<int>& activeSignons() {
    static QSet<int> signons;
    return signons;
}

int newSignonId() {
    static int last = 0;
    activeSignons().insert(++last);
    return last;
}

}  // namespace

DbLink::DbLink(QString companyId, DatabaseSetting setting, int linkType, int flags)
    : companyId_(std::move(companyId)),
      setting_(std::move(setting)),
      linkType_(linkType),
      flags_(flags) {}

std::unique_ptr<View> DbLink::openView(const QString& viewId) {
    return openCompanyView(companyId_, setting_, viewId);
}

std::shared_ptr<DbLink> HostSession::openDbLink(int linkType, int flags) {
    if (!opened_)
        throw HostError(QStringLiteral("the host session is not open"));
    return std::make_shared<DbLink>(companyId_, setting_, linkType, flags);
}

void HostSession::close() {
    opened_ = false;
}

std::unique_ptr<HostSession> HostSession::forCompany(const QString& companyId,
                                                     const DatabaseSetting& setting,
                                                     const QString& folder) {
    std::unique_ptr<Connection> connection;
    try {
        connection = Connection::open(connectionString(companyId), setting);
    } catch (const DbError& e) {
        return notOpened(
            QStringLiteral("cannot open the database of company %1: %2").arg(companyId, e.text()));
    }
    try {
        // Any file opens as an SQLite database; only a statement shows whether it is a company.
        // Its failure may as well be a lock or a file that is no database: the driver's words
        // say which.
        Recordset(*connection, QStringLiteral("SELECT LOTNUM FROM dbo.ICXLOT WHERE 1 = 0"));
    } catch (const DbError& e) {
        return notOpened(
            QStringLiteral("cannot read the database of company %1: %2").arg(companyId, e.text()));
    }
    auto session = std::make_unique<HostSession>();
    session->opened_ = true;
    session->companyId_ = companyId;
    session->setting_ = setting;
    session->folder_ = folder;
    return session;
}

std::unique_ptr<HostSession> HostSession::notOpened(const QString& reason) {
    auto session = std::make_unique<HostSession>();
    session->failure_ = reason;
    // The program itself only says "session not open"; the reason is for the administrator.
    qWarning().noquote() << "Host session:" << reason;
    return session;
}

std::unique_ptr<HostSession> SessionManager::createSession(const QString&, int& signonId) {
    signonId = newSignonId();
    try {
        if (const auto profile = readSignonProfile(signonProfilePath()))
            return HostSession::forCompany(profile->company, profile->database, profile->folder);
    } catch (const HostError& e) {
        return HostSession::notOpened(e.text());
    }
    try {
        const data::DemoCompany demo = data::ensureDemoCompany();
        return HostSession::forCompany(QStringLiteral("DEMO"),
                                       DatabaseSetting::sqlite(demo.databasePath), demo.folder);
    } catch (const std::exception& e) {
        return HostSession::notOpened(
            QStringLiteral("cannot prepare the demo company: %1").arg(QString::fromUtf8(e.what())));
    }
}

void SignonManager::signoff(int signonId) {
    // Signing off only forgets the sign-on: this host keeps no other state for it.
    if (!activeSignons().remove(signonId))
        throw HostError(QStringLiteral("sign-off: no sign-on %1").arg(signonId));
}

}  // namespace qv::host
