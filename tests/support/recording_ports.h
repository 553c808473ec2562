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
    QStringList texts() const;

    std::vector<Message> entries;
    bool answer = true;
};

// Records the steps by name ("prepare", "unlock", ...) and the contents the clipboard would
// hold; each fallible step can be made to fail.
class RecordingClipboardPort : public platform::ClipboardPort {
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

}  // namespace qv::tests
