#pragma once
// The host data-source object bound to a criteria field. It only carries the settings
// start-up gives it; the field controls and finders work without interpreting them.

#include <QString>

namespace qv::host {

class HostSession;

class DataSource {
public:
    void init(int a, int b) { init_[0] = a, init_[1] = b; }
    void setAttribute(int value) { attribute_ = value; }
    void attachSession(HostSession* session) { session_ = session; }
    void setFlag(int value) { flag_ = value; }
    void setName(const QString& name) { name_ = name; }

    HostSession* session() const { return session_; }
    QString name() const { return name_; }
    int attribute() const { return attribute_; }
    int flag() const { return flag_; }

private:
    int init_[2] = {0, 0};
    int attribute_ = 0;
    int flag_ = 0;
    HostSession* session_ = nullptr;
    QString name_;
};

}  // namespace qv::host
