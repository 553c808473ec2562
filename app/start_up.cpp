#include "app/start_up.h"

#include "app/form2.h"

#include <QApplication>

namespace qv {

int runQuorvan(MessagePort& messages) {
    Form2 form(messages);
    if (!form.Form_Load())
        return 1;
    form.show();
    return QApplication::exec();
}

}  // namespace qv
