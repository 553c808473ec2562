#include "app/handler_guard.h"

#include "platform/messages.h"

#include <QGuiApplication>
#include <QLabel>

#include <exception>

namespace qv::app {

bool HandlerGuard::run(const QString& what, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        // DbError and HostError are std::runtime_errors carrying the driver's or host's text.
        report(what, QString::fromStdString(e.what()));
    } catch (...) {
        report(what, QStringLiteral("unexpected error"));
    }
    return false;
}

void restorePointer() {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void HandlerGuard::report(const QString& what, const QString& error) {
    restorePointer();
    if (status_)
        status_->clear();
    messages_.inform(title_(), what + QStringLiteral(": ") + error);
}

}  // namespace qv::app
