#pragma once
// Our stand-in for the accounting system's session manager, session, sign-on manager and
// database links. The session reads the sign-on profile
// $XDG_CONFIG_HOME/quorvan/host.ini ([signon] company, database, folder); with none it opens
// the embedded demo company DEMO, created on first use.

#include "platform/database.h"

#include <QString>

#include <memory>

namespace qv::host {

class View;

// A database link opened from a session; views are opened through it.
class DbLink {
public:
    DbLink(QString companyId, platform::DatabaseSetting setting, int linkType, int flags);
    // Opens a view by its six-character identifier; throws HostError for an unknown one.
    std::unique_ptr<View> openView(const QString& viewId);
    int linkType() const { return linkType_; }
    int flags() const { return flags_; }

private:
    QString companyId_;
    platform::DatabaseSetting setting_;
    int linkType_;
    int flags_;
};

class HostSession {
public:
    bool isOpened() const { return opened_; }
    QString companyId() const { return companyId_; }
    QString folder() const { return folder_; }
    const platform::DatabaseSetting& database() const { return setting_; }
    // Why the session is not opened (empty when it is).
    QString failure() const { return failure_; }

    std::shared_ptr<DbLink> openDbLink(int linkType, int flags);  // throws HostError if closed
    void close();

    // A session on an explicit company (tests and tools); opened when its database opens.
    static std::unique_ptr<HostSession> forCompany(const QString& companyId,
                                                   const platform::DatabaseSetting& setting,
                                                   const QString& folder);
    // A session that failed to open, with the reason.
    static std::unique_ptr<HostSession> notOpened(const QString& reason);

private:
    bool opened_ = false;
    QString companyId_;
    QString folder_;
    platform::DatabaseSetting setting_;
    QString failure_;
};

class SessionManager {
public:
    QString appId, appVersion, programName, serverName;
    // Reads the sign-on profile and opens its company (or the demo company); fills signonId.
    std::unique_ptr<HostSession> createSession(const QString& objectHandle, int& signonId);
};

class SignonManager {
public:
    void signoff(int signonId);
};

}  // namespace qv::host
