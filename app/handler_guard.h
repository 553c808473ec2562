#pragma once
// Runs every handler of the main window. A handler that fails (database, host or any other
// error) is abandoned where it failed; what it already wrote stays. The guard then puts the
// pointer back, clears the status label and reports "<what failed>: <error text>" under the
// application title, and the program goes on.

#include <QLabel>
#include <QPointer>
#include <QString>

#include <functional>

namespace qv::platform {
class MessagePort;
}  // namespace qv::platform

namespace qv::app {

// Puts the mouse pointer back to the default (the hourglass a handler may have shown).
void restorePointer();

class HandlerGuard {
public:
    // title gives the application title at the time of the failure.
    HandlerGuard(platform::MessagePort& messages, std::function<QString()> title)
        : messages_(messages), title_(std::move(title)) {}
    void setStatusLabel(QLabel* status) { status_ = status; }

    // True when the handler ran to its end.
    bool run(const QString& what, const std::function<void()>& handler);

private:
    void report(const QString& what, const QString& error);

    platform::MessagePort& messages_;
    std::function<QString()> title_;
    QPointer<QLabel> status_;
};

}  // namespace qv::app
