#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qv {

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

void RecordingClipboardPort::prepare(const QString& text) {
    steps << QStringLiteral("prepare");
    buffer_ = text;
}

bool RecordingClipboardPort::unlock() {
    steps << QStringLiteral("unlock");
    return !unlockFails;
}

bool RecordingClipboardPort::open() {
    steps << QStringLiteral("open");
    return !openFails;
}

void RecordingClipboardPort::empty() {
    steps << QStringLiteral("empty");
    contents.reset();
}

void RecordingClipboardPort::setText() {
    steps << QStringLiteral("setText");
    contents = buffer_;
}

bool RecordingClipboardPort::close() {
    steps << QStringLiteral("close");
    return !closeFails;
}

}  // namespace qv
