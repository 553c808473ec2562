#include "app/program_icon.h"
#include "app/start_up.h"
#include "platform/clipboard.h"
#include "platform/messages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(qv::app::programIcon());
    // Wayland desktops show the icon of this desktop entry instead of the window's own.
    QApplication::setDesktopFileName(QStringLiteral("quorvan"));
    qv::platform::QtMessagePort messages;
    qv::platform::QtClipboardPort clipboard;
    return qv::app::runQuorvan(messages, clipboard);
}
