#include "tests/support/recording_ports.h"

namespace qv::tests {

QStringList RecordingMessagePort::texts() const {
    QStringList out;
    for (const Message& message : entries)
        out << message.text;
    return out;
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

}  // namespace qv::tests
