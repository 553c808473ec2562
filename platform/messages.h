#pragma once
// Message boxes and questions go through this port, so handlers can be tested without
// modal dialogs: the Qt implementation shows them, the recorder keeps them.

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace qv {

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // An OK-only message box.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

class QtMessagePort : public MessagePort {
public:
    explicit QtMessagePort(QWidget* parent = nullptr) : parent_(parent) {}
    void inform(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

// Test double: records every message and answers questions with a set answer.
class RecordingMessagePort : public MessagePort {
public:
    struct Entry {
        QString title;
        QString text;
        bool question = false;
    };
    void inform(const QString& title, const QString& text) override {
        entries.push_back({title, text, false});
    }
    bool askYesNo(const QString& title, const QString& text) override {
        entries.push_back({title, text, true});
        return answer;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& e : entries)
            out << e.text;
        return out;
    }
    std::vector<Entry> entries;
    bool answer = true;
};

}  // namespace qv
