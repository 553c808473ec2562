#include "platform/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace qv::platform {

BusyPointer::BusyPointer()
    : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
             QThread::currentThread() == QCoreApplication::instance()->thread()) {
    if (shown_)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    if (shown_)
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace qv::platform
