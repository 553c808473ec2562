#pragma once
// The main window: the criteria, the lot list with its summaries and the printout options,
// the order panel and the menu bar as panels of their own, and start-up (Form_Load).
// Controls are public so each feature's commands (app/<feature>_commands.cpp) and the tests
// reach them by the names the rest of the program uses; each also carries that name as its
// objectName. Every feature wires its handlers through connectHandler, under the one guard.

#include "app/about_box.h"
#include "app/handler_guard.h"

#include <QMainWindow>

#include <memory>
#include <type_traits>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace qv::host {
class DataSource;
class DbLink;
class FieldEditControl;
class GoButton;
class HostSession;
class SessionManager;
}  // namespace qv::host

namespace qv::platform {
class ClipboardPort;
class MessagePort;
}  // namespace qv::platform

namespace qv::search {
class BackgroundLotSearch;
class LotListModel;
}  // namespace qv::search

namespace qv::app {

class ClickableLabel;
class MainMenu;
class OrderPanel;

class Form2 : public QMainWindow {
    Q_OBJECT
public:
    Form2(platform::MessagePort& messages, platform::ClipboardPort& clipboard,
          QWidget* parent = nullptr);
    ~Form2() override;

    // Opens the host session and prepares the window. False (window closed) when the session
    // is not open or a step failed; the failure has been reported.
    bool Form_Load();

    QString appTitle() const { return appTitle_; }
    platform::MessagePort& messages() { return messages_; }
    platform::ClipboardPort& clipboard() { return clipboard_; }
    HandlerGuard& guard() { return guard_; }

    // Runs handler under the guard whenever sender emits signal, with the signal's arguments
    // when it takes them; `what` names it in the message of a failure.
    template <typename Sender, typename Signal, typename Handler>
    void connectHandler(Sender* sender, Signal signal, const QString& what, Handler handler) {
        connect(sender, signal, this, [this, what, handler](auto&&... arguments) {
            guard_.run(what, [&] {
                if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                    handler(std::forward<decltype(arguments)>(arguments)...);
                else
                    handler();
            });
        });
    }

    // Sets the window width; the order panel shows only above the narrow width. The window
    // stays within the screen's available area: narrower than asked where that has no room.
    void setWidthTwips(int twips);

    // The about box while it is loaded, else null (it is deleted when closed).
    AboutBox* aboutBox() const {
        return findChild<AboutBox*>(QString(), Qt::FindDirectChildrenOnly);
    }

    // Criteria.
    host::FieldEditControl *feditLocation2, *feditItemNum2, *feditLotNum2, *feditProdCode2,
        *feditBCustomer2, *feditClearCount, *feditClearDropDown;
    QComboBox *feditGrade2, *cboPalletStatus, *cboCategory;
    host::GoButton* GoButton1;
    ClickableLabel *lblLocation, *Label1, *Label2, *Label3, *lblProdCode, *Label4,
        *lblfeditItemDesc, *lblfeditCustCode;
    QLabel* lblPalStatusQty;

    // Results and summaries.
    QTableView* ListView1;
    QLabel* lblCountLots;
    QLineEdit *txtCountLots, *txtQtyTotal, *txtQtyLocation, *txtQtyItem, *txtQtyGrade,
        *txtQtyProdCode, *txtQtyCustCode, *txtQtyPalletStatus, *txtQtyHold;
    QLabel *lblStatus, *lblFocusedIndex, *lblNoLotsLocation;
    QPlainTextEdit* txtSQLQuery;

    // Commands and options.
    QPushButton *cmdPrint2, *cmdQuit, *cmdCrystalPrint;
    QCheckBox* chkPType;
    QSpinBox* SpinButton1;
    QLabel* lblFontSize;
    QRadioButton *optLot, *optLocation;

    // The panels with controls of their own: the sales order and the menu bar.
    OrderPanel* orderPanel;
    MainMenu* mainMenu;

    // The model behind ListView1.
    search::LotListModel* lotList;
    // The lot search while one runs.
    search::BackgroundLotSearch* runningSearch = nullptr;

    // The statement of the latest search, exactly as it ran: txtSQLQuery shows it, but a
    // text box turns carriage returns and line separators into line feeds and no-break
    // spaces into blanks. Whatever is typed into the box later becomes the statement.
    void setSearchStatement(const QString& statement);
    QString lastSearchStatement() const { return lastSearchStatement_; }

    // The last mouse position over a list, in twips, in the coordinates of the list's
    // viewport (the rows' area, below the header): the drill-down hit-tests it.
    float ListMouseX = 0;
    float ListMouseY = 0;

    // State prepared by start-up, alive as long as the window.
    int NarrowWidth = 0;
    int WideWidth = 0;
    std::unique_ptr<host::SessionManager> SessionManager;
    int SignonId = 0;
    std::unique_ptr<host::HostSession> HostSession;
    bool SessionOpened = false;
    std::shared_ptr<host::DbLink> CompanyLink;
    std::shared_ptr<host::DbLink> SecondaryLink;
    std::unique_ptr<host::DataSource> dsLocation2, dsItemNum2, dsLotNum2, dsCustCode2, dsProdCode2,
        dsClear, dsClear2, dsOrder2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Resizes to size, or as near to it as the screen's available area allows, frame
    // included, and moves the window back onto that area where it would reach past it.
    void resizeWithinScreen(QSize size);
    void createCriteria();
    void createResults();
    void createOptions();
    void layOutControls();
    QLayout* criteriaLayout();
    QLayout* optionsLayout();

    // Start-up steps after the session check.
    void openSession();
    void setCaptionAndLinks();
    void bindDataSources();
    void prepareLotList();

    platform::MessagePort& messages_;
    platform::ClipboardPort& clipboard_;
    HandlerGuard guard_;
    QString appTitle_;
    QString lastSearchStatement_;
    bool settingStatement_ = false;
};

}  // namespace qv::app
