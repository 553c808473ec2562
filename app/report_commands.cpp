#include "app/report_commands.h"

#include "app/form2.h"
#include "app/main_menu.h"
#include "host/session.h"
#include "platform/background_task.h"
#include "platform/database.h"
#include "platform/messages.h"
#include "platform/spreadsheet_app.h"
#include "platform/xlsx_writer.h"
#include "report/lot_report_writer.h"
#include "report/printout.h"
#include "report/report_records.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace qv::app {

namespace {

using platform::SpreadsheetApp;

// Ends the printout however the handler leaves: the next one may start, and a picking slip
// does not turn the next Excel command into another.
class PrintoutScope {
public:
    PrintoutScope(bool& running, bool& pickingSlipMode)
        : running_(running), pickingSlipMode_(pickingSlipMode) {
        running_ = true;
    }
    ~PrintoutScope() {
        running_ = false;
        pickingSlipMode_ = false;
    }
    PrintoutScope(const PrintoutScope&) = delete;
    PrintoutScope& operator=(const PrintoutScope&) = delete;

private:
    bool& running_;
    bool& pickingSlipMode_;
};

}  // namespace

ReportCommands::ReportCommands(Form2& form)
    : QObject(&form),
      form_(form),
      desktopApp_(std::make_unique<platform::DesktopSpreadsheetApp>()),
      app_(desktopApp_.get()),
      clock_([] { return QDateTime::currentDateTime(); }) {
    setObjectName(QStringLiteral("reportCommands"));
}

ReportCommands::~ReportCommands() = default;

void ReportCommands::cmdPrint2_Click() {
    if (running_) {
        // The window stays live while a printout runs; a second one would race the first.
        form_.messages().inform(form_.appTitle(), QString::fromUtf16(report::kPrintoutRunning));
        return;
    }
    const PrintoutScope scope(running_, PickingSlipMode);
    printout();
}

void ReportCommands::mnuPickingSlip_Click() {
    if (!running_)
        PickingSlipMode = true;
    cmdPrint2_Click();
}

void ReportCommands::printout() {
    const auto inform = [this](QStringView text) {
        form_.messages().inform(form_.appTitle(), text.toString());
    };
    const QString query = form_.lastSearchStatement();
    if (!report::hasQueryToPrint(query))
        return inform(report::kNothingToPrint);
    const bool printing = PickingSlipMode;
    if (!app_->available(printing ? SpreadsheetApp::Use::Print : SpreadsheetApp::Use::Show))
        return inform(report::kNoSpreadsheetApp);
    if (const auto refusal = report::versionRefusal(platform::XlsxWriter::kFormatVersion))
        return inform(*refusal);

    // Read now: the window goes on while the printout works, and Quit closes the session.
    const QString connection = platform::connectionString(form_.HostSession->companyId());
    const platform::DatabaseSetting setting = form_.HostSession->database();
    const QString logo = report::logoPath(form_.HostSession->folder());
    report::ReportRecords records;
    platform::runInBackground(
        [&] { records = report::readReportRecords(connection, setting, query); });
    const qint64 count = records.size();
    if (const auto warning = report::manyRecordsWarning(count))
        inform(*warning);
    if (count < 1)
        return inform(report::kNoRecordsFound);

    form_.lblStatus->setText(QString::fromUtf16(report::kPrintoutStarted));
    report::LotReportWriter writer(platform::workbookFolder(), form_.SpinButton1->value(),
                                   clock_());
    platform::runInBackground([&] { writer.writeRows(records); });
    // Read when the rows are done: a change made while they were written still counts.
    const report::PrintLayout layout = report::printLayout(form_.chkPType->isChecked());
    platform::runInBackground([&] {
        writer.finish(layout, count, logo);
        if (printing) {
            app_->print(writer.path());
            // Printed, the workbook has done its work; a failed print keeps it for the user.
            QFile::remove(writer.path());
        }
    });
    if (!printing)
        app_->show(writer.path());
    form_.lblStatus->setText(QString::fromUtf16(report::kPrintoutReady));
}

void ReportCommands::chkPType_Click() {
    const report::OrientationMarks marks = report::orientationMarks(form_.chkPType->isChecked());
    form_.chkPType->setText(marks.caption);
    form_.mainMenu->mnuPortrait->setChecked(marks.portraitChecked);
    form_.mainMenu->mnuLandscape->setChecked(marks.landscapeChecked);
}

void ReportCommands::mnuPortrait_Click() {
    chooseOrientation(true);
}

void ReportCommands::mnuLandscape_Click() {
    chooseOrientation(false);
}

// The menu item chosen takes the mark and sets the check box, whose own handler then agrees;
// choosing the item already marked changes nothing.
void ReportCommands::chooseOrientation(bool portrait) {
    QAction* chosen = portrait ? form_.mainMenu->mnuPortrait : form_.mainMenu->mnuLandscape;
    if (chosen->isChecked())
        return;
    form_.mainMenu->mnuPortrait->setChecked(portrait);
    form_.mainMenu->mnuLandscape->setChecked(!portrait);
    form_.chkPType->setChecked(portrait);
}

void connectReportCommands(Form2& form) {
    auto* commands = new ReportCommands(form);
    const auto handle = [&form, commands](auto* sender, auto signal, const QString& what,
                                          void (ReportCommands::*handler)()) {
        form.connectHandler(sender, signal, what, [commands, handler] { (commands->*handler)(); });
    };
    handle(form.cmdPrint2, &QPushButton::clicked, Form2::tr("Excel Printout"),
           &ReportCommands::cmdPrint2_Click);
    handle(form.mainMenu->mnuPickingSlip, &QAction::triggered, Form2::tr("Picking Slip"),
           &ReportCommands::mnuPickingSlip_Click);
    const QString orientation = Form2::tr("Print Orientation");
    handle(form.chkPType, &QCheckBox::toggled, orientation, &ReportCommands::chkPType_Click);
    handle(form.mainMenu->mnuPortrait, &QAction::triggered, orientation,
           &ReportCommands::mnuPortrait_Click);
    handle(form.mainMenu->mnuLandscape, &QAction::triggered, orientation,
           &ReportCommands::mnuLandscape_Click);
}

}  // namespace qv::app
