#pragma once
// Message boxes and questions go through this port, so handlers can be tested without
// modal dialogs: the Qt implementation shows them, the tests' recording double keeps them.

#include <QString>

class QWidget;

namespace qv::platform {

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // An OK-only message box.
    virtual void inform(const QString& title, const QString& text) = 0;
    // An OK-only message box that shows detail (why, in more words) below its text.
    virtual void informWithDetail(const QString& title, const QString& text,
                                  const QString& detail) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

class QtMessagePort : public MessagePort {
public:
    explicit QtMessagePort(QWidget* parent = nullptr) : parent_(parent) {}
    void inform(const QString& title, const QString& text) override;
    void informWithDetail(const QString& title, const QString& text,
                          const QString& detail) override;
    bool askYesNo(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace qv::platform
