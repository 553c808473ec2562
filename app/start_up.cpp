#include "app/start_up.h"

#include "app/form2.h"

#include <QApplication>

namespace qv::app {

int runQuorvan(platform::MessagePort& messages, platform::ClipboardPort& clipboard) {
    Form2 form(messages, clipboard);
    if (!form.Form_Load())
        return 1;
    form.show();
    return QApplication::exec();
}

}  // namespace qv::app
