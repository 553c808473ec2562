#pragma once
// A stand-in for SQL Server on the loopback interface, to see what an ODBC driver sends when it
// logs in: it answers the pre-login without encryption, records the login packet and refuses
// the login with SQL Server's own error 18456, so the driver reports a refused login.

#include <QString>

#include <mutex>
#include <thread>

namespace qv::tests {

struct TdsLogin {
    QString user;
    QString password;
    QString database;
};

class TdsStandIn {
public:
    TdsStandIn();  // listens on a free port; throws std::runtime_error when it cannot
    ~TdsStandIn();
    TdsStandIn(const TdsStandIn&) = delete;
    TdsStandIn& operator=(const TdsStandIn&) = delete;

    int port() const { return port_; }
    // The last login received; a driver's connect call has returned only after it was recorded.
    TdsLogin login() const;

private:
    void answer(int client);

    int listener_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    TdsLogin login_;
    std::thread thread_;
};

}  // namespace qv::tests
