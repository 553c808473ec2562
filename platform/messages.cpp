#include "platform/messages.h"

#include <QMessageBox>

namespace qv::platform {

void QtMessagePort::inform(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, text, QMessageBox::Ok);
}

bool QtMessagePort::askYesNo(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace qv::platform
