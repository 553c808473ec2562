#include "app/start_up.h"
#include "platform/clipboard.h"
#include "platform/messages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qv::platform::QtMessagePort messages;
    qv::platform::QtClipboardPort clipboard;
    return qv::app::runQuorvan(messages, clipboard);
}
