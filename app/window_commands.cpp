#include "app/window_commands.h"

#include "app/about_box.h"
#include "app/form2.h"
#include "app/main_menu.h"
#include "app/text_viewer.h"
#include "host/session.h"
#include "search/background_search.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <utility>

namespace qv::app {

void connectWindowCommands(Form2& form) {
    form.connectHandler(form.SpinButton1, &QSpinBox::valueChanged, Form2::tr("Font size"), [&form] {
        form.lblFontSize->setText(QString::number(form.SpinButton1->value()));
    });
    const std::pair<QAction*, int> sizes[] = {{form.mainMenu->mnu10point, 10},
                                              {form.mainMenu->mnu11point, 11},
                                              {form.mainMenu->mnu12point, 12},
                                              {form.mainMenu->mnu13point, 13},
                                              {form.mainMenu->mnu14point, 14}};
    for (auto [action, size] : sizes)
        form.connectHandler(action, &QAction::triggered, action->text(),
                            [&form, size] { form.SpinButton1->setValue(size); });
    form.connectHandler(form.mainMenu->mnuAbout, &QAction::triggered, Form2::tr("About"),
                        [&form] { mnuAbout_Click(form); });
    QObject::connect(form.cmdQuit, &QPushButton::clicked, &form, [&form] { cmdQuit_Click(form); });
}

void mnuAbout_Click(Form2& form) {
    AboutBox* about = form.aboutBox();
    if (!about)
        about = new AboutBox(form.appTitle(), form.guard(), &form);
    about->show();
    about->raise();
    about->activateWindow();
}

void cmdQuit_Click(Form2& form) {
    form.guard().run(Form2::tr("Quit"), [&form] {
        // The search's own loop ends with the program's and waits for its thread.
        if (form.runningSearch)
            form.runningSearch->stop();
        if (AboutBox* about = form.aboutBox())
            about->close();
        // The viewers the about box opened would keep the program running.
        TextViewer::closeAll();
        if (form.HostSession)
            form.HostSession->close();
        form.HostSession.reset();
        form.SessionManager.reset();
        host::SignonManager().signoff(form.SignonId);
    });
    // A failing sign-off has been reported; the program ends all the same.
    form.close();
}

}  // namespace qv::app
