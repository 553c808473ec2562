#include "platform/messages.h"

#include <QMessageBox>

namespace qv::platform {

void QtMessagePort::inform(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, text, QMessageBox::Ok);
}

void QtMessagePort::informWithDetail(const QString& title, const QString& text,
                                     const QString& detail) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box.setInformativeText(detail);
    box.exec();
}

bool QtMessagePort::askYesNo(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace qv::platform
