#pragma once
// The clipboard as a series of steps that may each fail, so the routines that put a text
// on it can report each failure as it happens: the Qt implementation works on the system
// clipboard, the recorder keeps the steps and fails the ones it is told to.

#include <QString>
#include <QStringList>

#include <optional>

namespace qv {

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

// Test double: records the steps by name ("prepare", "unlock", ...) and the contents
// it would hold; each fallible step can be made to fail.
class RecordingClipboardPort : public ClipboardPort {
public:
    void prepare(const QString& text) override;
    bool unlock() override;
    bool open() override;
    void empty() override;
    void setText() override;
    bool close() override;

    bool unlockFails = false;
    bool openFails = false;
    bool closeFails = false;
    QStringList steps;
    std::optional<QString> contents;  // none: the clipboard is empty

private:
    QString buffer_;
};

}  // namespace qv
