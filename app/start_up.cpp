#include "app/start_up.h"

#include "app/form2.h"

#include <QApplication>

namespace qv::app {

std::unique_ptr<QMainWindow> startMainWindow(platform::MessagePort& messages,
                                             platform::ClipboardPort& clipboard) {
    auto form = std::make_unique<Form2>(messages, clipboard);
    if (!form->Form_Load())
        return nullptr;
    return form;
}

int runQuorvan(platform::MessagePort& messages, platform::ClipboardPort& clipboard) {
    const std::unique_ptr<QMainWindow> window = startMainWindow(messages, clipboard);
    if (!window)
        return 1;
    window->show();
    return QApplication::exec();
}

}  // namespace qv::app
