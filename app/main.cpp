#include "app/start_up.h"
#include "platform/clipboard.h"
#include "platform/messages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qv::QtMessagePort messages;
    qv::QtClipboardPort clipboard;
    return qv::runQuorvan(messages, clipboard);
}
