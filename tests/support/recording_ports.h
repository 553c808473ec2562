#pragma once
// Test doubles of the message and clipboard ports: they record what a handler asked for, so
// handlers run without modal dialogs or the system clipboard.

#include "platform/clipboard.h"
#include "platform/messages.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace qv::tests {

// Records every message and answers questions with a set answer.
class RecordingMessagePort : public platform::MessagePort {
public:
    struct Message {
        QString title;
        QString text;
        bool question = false;
        QString detail;
    };
    void inform(const QString& title, const QString& text) override {
        entries.push_back({title, text, false, {}});
    }
    void informWithDetail(const QString& title, const QString& text,
                          const QString& detail) override {
        entries.push_back({title, text, false, detail});
    }
    bool askYesNo(const QString& title, const QString& text) override {
        entries.push_back({title, text, true, {}});
        return answer;
    }
    QStringList texts() const {
        QStringList out;
        for (const Message& message : entries)
            out << message.text;
        return out;
    }

    std::vector<Message> entries;
    bool answer = true;
};

// Records the steps by name ("prepare", "unlock", ...) and the contents the clipboard would
// hold; each fallible step can be made to fail.
class RecordingClipboardPort : public platform::ClipboardPort {
public:
    void prepare(const QString& text) override {
        steps << "prepare";
        buffer_ = text;
    }
    bool unlock() override { return step("unlock", unlockFails); }
    bool open() override { return step("open", openFails); }
    void empty() override {
        steps << "empty";
        contents.reset();
    }
    void setText() override {
        steps << "setText";
        contents = buffer_;
    }
    bool close() override { return step("close", closeFails); }

    bool unlockFails = false;
    bool openFails = false;
    bool closeFails = false;
    QStringList steps;
    std::optional<QString> contents;  // none: the clipboard is empty

private:
    bool step(const char* name, bool fails) {
        steps << QString::fromLatin1(name);
        return !fails;
    }

    QString buffer_;
};

}  // namespace qv::tests
