#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qv::platform {

bool QtClipboardPort::open() {
    opened_ = qGuiApp != nullptr;  // no clipboard without a GUI application
    changed_ = false;
    return opened_;
}

void QtClipboardPort::empty() {
    pending_.reset();
    changed_ = true;
}

void QtClipboardPort::setText() {
    pending_ = buffer_;
    changed_ = true;
}

bool QtClipboardPort::close() {
    if (!opened_) {
        return false;
    }
    opened_ = false;
    if (changed_) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (pending_) {
            clipboard->setText(*pending_);
        } else {
            clipboard->clear();
        }
    }
    return true;
}

}  // namespace qv::platform
