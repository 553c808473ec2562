#pragma once
// The spreadsheet printout on the main window: the Excel button (the report shown in the
// desktop's spreadsheet application), Picking Slip and Ctrl+P (the report printed), and the
// print orientation kept in step between the check box and the two menu items.

#include <QDateTime>
#include <QObject>

#include <functional>
#include <memory>

namespace qv::platform {
class SpreadsheetApp;
}

namespace qv::app {

class Form2;

// The printout commands of one window, and the state they keep between printouts.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    explicit ReportCommands(Form2& form);
    ~ReportCommands() override;

    void cmdPrint2_Click();
    // Prints once: the mode ends with its own printout.
    void mnuPickingSlip_Click();
    void chkPType_Click();
    void mnuPortrait_Click();
    void mnuLandscape_Click();

    // The application that shows and prints the workbooks (tests put a double in).
    void setSpreadsheetApp(platform::SpreadsheetApp& app) { app_ = &app; }
    // The clock of the title area's date and time.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    bool PickingSlipMode = false;

private:
    void printout();
    void chooseOrientation(bool portrait);

    Form2& form_;
    std::unique_ptr<platform::SpreadsheetApp> desktopApp_;
    platform::SpreadsheetApp* app_;
    std::function<QDateTime()> clock_;
    bool running_ = false;
};

// Makes the window's ReportCommands and wires its controls to them under the handler guard.
void connectReportCommands(Form2& form);

}  // namespace qv::app
