#pragma once
// The clipboard as a series of steps that may each fail, so the routines that put a text
// on it can report each failure as it happens: the Qt implementation works on the system
// clipboard, the tests' recording double keeps the steps and fails the ones it is told to.

#include <QString>

#include <optional>

namespace qv::platform {

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // Makes the buffer the clipboard will receive from text.
    virtual void prepare(const QString& text) = 0;
    // Releases the buffer for handing over; false when it is still locked.
    virtual bool unlock() = 0;
    // False when another program holds the clipboard.
    virtual bool open() = 0;
    virtual void empty() = 0;
    // Hands the prepared buffer over as the clipboard's one plain-text item.
    virtual void setText() = 0;
    virtual bool close() = 0;
};

// Over QGuiApplication::clipboard(). Changes made between open() and close() take effect
// together at close(), as one change seen by other programs.
class QtClipboardPort : public ClipboardPort {
public:
    void prepare(const QString& text) override { buffer_ = text; }
    bool unlock() override { return true; }
    bool open() override;
    void empty() override;
    void setText() override;
    bool close() override;

private:
    QString buffer_;
    bool opened_ = false;
    std::optional<QString> pending_;  // the clipboard's contents at close(): none is empty
    bool changed_ = false;
};

}  // namespace qv::platform
