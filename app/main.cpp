#include "app/start_up.h"
#include "platform/messages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qv::QtMessagePort messages;
    return qv::runQuorvan(messages);
}
