#pragma once
// The main window: every control of the lookup, the menu bar, start-up (Form_Load) and Quit.
// Controls are public so the handlers of the other subsystems and the tests reach them by
// the names the rest of the program uses; each also carries that name as its objectName.

#include "app/about_box.h"
#include "app/handler_guard.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
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

namespace qv::orders {
class OrderLinesModel;
}  // namespace qv::orders

namespace qv::platform {
class ClipboardPort;
class MessagePort;
}  // namespace qv::platform

namespace qv::search {
class LotListModel;
}  // namespace qv::search

namespace qv::app {

class ClickableLabel;

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
    // Sets the window width; the order panel shows only above the narrow width.
    void setWidthTwips(int twips);

    void mnuAbout_Click();
    void cmdQuit_Click();
    // The about box while it is loaded, else null.
    AboutBox* aboutBox() const { return aboutBox_; }

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

    // Sales order panel.
    host::FieldEditControl* feditOrder;
    QLineEdit *txtOrdUniq, *txtCustomer, *txtBilName, *txtOrderDate, *txtExpDate, *txtShipVia,
        *txtViaDesc, *txtFOB, *txtPONumber, *txtReference, *txtHeaderDesc;
    QPlainTextEdit* txtComments;
    QLineEdit *txtShipTo, *txtName, *txtAddress1, *txtAddress2, *txtCity, *txtState, *txtZip,
        *txtCountry;
    QTableView* ListView2;
    QLineEdit *txtOrdLineCount, *txtOrdLineQtyTotal, *txtOrdLineTotal;
    QLabel *Label6, *lblOrddate, *Label7, *Label5, *Label8, *Label9, *Label10, *Label11, *Label12,
        *Label13;

    // Commands and options.
    QPushButton *cmdPrint2, *cmdQuit, *cmdCrystalPrint;
    QCheckBox* chkPType;
    QSpinBox* SpinButton1;
    QLabel* lblFontSize;
    QRadioButton *optLot, *optLocation;

    // Menu bar.
    QMenu *mnuFile, *mnuFontSize, *mnuOrientation, *mnuCrystal, *mnuPrintExcel;
    QAction *mnu10point, *mnu11point, *mnu12point, *mnu13point, *mnu14point, *mnuPortrait,
        *mnuLandscape, *mnuItemReport, *mnuLotReport, *mnuQuarantine, *mnuCustReport,
        *mnuLotListing, *mnuPickingSlip, *s3, *s2, *mnuAbout;

    // Models of the two lists.
    search::LotListModel* lotList;
    orders::OrderLinesModel* orderLines;

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

private:
    void createControls();
    void createMenus();
    void layOutControls();
    void connectHandlers();
    void connectSearchHandlers();

    // Start-up steps after the session check.
    void colourMenus();
    void openSession();
    void setCaptionAndLinks();
    void bindDataSources();
    void prepareLotList();
    void prepareOrderLines();
    void fillPalletStatuses();
    void fillCategories();

    platform::MessagePort& messages_;
    platform::ClipboardPort& clipboard_;
    HandlerGuard guard_;
    QString appTitle_;
    QWidget* orderPanel_ = nullptr;
    QPointer<AboutBox> aboutBox_;
};

}  // namespace qv::app
