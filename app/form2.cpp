#include "app/form2.h"

#include "app/about_box.h"
#include "app/clickable_label.h"
#include "app/controls.h"
#include "app/drilldown_commands.h"
#include "app/finder_commands.h"
#include "app/main_menu.h"
#include "app/order_commands.h"
#include "app/order_panel.h"
#include "app/report_commands.h"
#include "app/search_commands.h"
#include "app/window_commands.h"
#include "app/window_texts.h"
#include "host/data_source.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "host/option_lists.h"
#include "host/session.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "search/lot_list_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace qv::app {

using platform::twipsToPixels;

Form2::Form2(platform::MessagePort& messages, platform::ClipboardPort& clipboard, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      clipboard_(clipboard),
      guard_(messages, [this] { return appTitle_; }) {
    setObjectName(QStringLiteral("Form2"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    createCriteria();
    createResults();
    createOptions();
    orderPanel = new OrderPanel(guard_);
    mainMenu = new MainMenu;
    setMenuBar(mainMenu);
    layOutControls();
    connectWindowCommands(*this);
    connectSearchCommands(*this);
    connectDrilldownCommands(*this);
    connectFinderCommands(*this);
    connectOrderCommands(*this);
    connectReportCommands(*this);
    guard_.setStatusLabel(lblStatus);
    // As designed: with the order panel showing; start-up narrows it.
    resizeWithinScreen(
        {twipsToPixels(platform::kWideWidthTwips), twipsToPixels(platform::kDesignHeightTwips)});
}

Form2::~Form2() = default;

void Form2::createCriteria() {
    using host::FieldEditControl;
    feditLocation2 = named(new FieldEditControl, "feditLocation2", "Location");
    feditItemNum2 = named(new FieldEditControl, "feditItemNum2", "Item");
    feditLotNum2 = named(new FieldEditControl, "feditLotNum2", "Lot");
    feditProdCode2 = named(new FieldEditControl, "feditProdCode2", "ProdCode");
    feditBCustomer2 = named(new FieldEditControl, "feditBCustomer2", "CustCode");
    feditClearCount = named(FieldEditControl::buttonOnly(QStringLiteral("Clear All")),
                            "feditClearCount", "Clear All");
    feditClearDropDown = named(FieldEditControl::buttonOnly(QStringLiteral("Clear Lists")),
                               "feditClearDropDown", "Clear Lists");
    feditGrade2 = comboBox("feditGrade2", "Grade");
    cboPalletStatus = comboBox("cboPalletStatus", "Pallet Status");
    cboCategory = comboBox("cboCategory", "Category");
    cboCategory->setMinimumContentsLength(16);
    GoButton1 = named(new host::GoButton, "GoButton1", "Go");

    lblLocation = named(new ClickableLabel("Loc"), "lblLocation", "Loc");
    Label1 = named(new ClickableLabel("Item"), "Label1", "Item");
    Label2 = named(new ClickableLabel("Lot"), "Label2", "Lot");
    Label3 = named(new ClickableLabel("CustCode"), "Label3", "CustCode");
    lblProdCode = named(new ClickableLabel("ProdCode"), "lblProdCode", "ProdCode");
    Label4 = named(new ClickableLabel, "Label4", "Grade");
    lblfeditItemDesc = named(new ClickableLabel, "lblfeditItemDesc", "Item description");
    lblfeditCustCode = named(new ClickableLabel, "lblfeditCustCode", "Customer");
    lblPalStatusQty = named(new QLabel("Pallet Status"), "lblPalStatusQty", "Pallet Status");
    lblLocation->setBuddy(feditLocation2);
    Label1->setBuddy(feditItemNum2);
    Label2->setBuddy(feditLotNum2);
    Label3->setBuddy(feditBCustomer2);
    lblProdCode->setBuddy(feditProdCode2);
    Label4->setBuddy(feditGrade2);
    lblPalStatusQty->setBuddy(cboPalletStatus);
}

void Form2::createResults() {
    ListView1 = listView("ListView1", "Lots");
    ListView1->setFont(QFont(QStringLiteral("Arial"), 8));
    lblCountLots = named(new QLabel("Lot Count"), "lblCountLots", "Lot Count");
    txtCountLots = numberBox("txtCountLots", "Lot Count", "0");
    lblCountLots->setBuddy(txtCountLots);
    txtQtyTotal = numberBox("txtQtyTotal", "Total quantity", "0");
    txtQtyLocation = numberBox("txtQtyLocation", "Location quantity", "0");
    txtQtyItem = numberBox("txtQtyItem", "Item quantity", "0");
    txtQtyGrade = numberBox("txtQtyGrade", "Grade quantity", "0");
    txtQtyProdCode = numberBox("txtQtyProdCode", "ProdCode quantity", "0");
    txtQtyCustCode = numberBox("txtQtyCustCode", "CustCode quantity", "0");
    txtQtyPalletStatus = numberBox("txtQtyPalletStatus", "Pallet Status quantity", "0");
    txtQtyHold = numberBox("txtQtyHold", "Hold quantity", "0");
    lblStatus = named(new QLabel, "lblStatus", "Status");
    lblFocusedIndex = named(new QLabel, "lblFocusedIndex", "Selected row");
    lblNoLotsLocation = named(new QLabel, "lblNoLotsLocation", "Messages");
    txtSQLQuery = named(new QPlainTextEdit, "txtSQLQuery", "Search query");
    txtSQLQuery->setFont(QFont(QStringLiteral("Calibri"), 8));
    txtSQLQuery->setFixedHeight(txtSQLQuery->fontMetrics().lineSpacing() * 2 + 12);
    connect(txtSQLQuery, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingStatement_)
            lastSearchStatement_ = txtSQLQuery->toPlainText();
    });
    lotList = new search::LotListModel(this);
}

void Form2::createOptions() {
    const QFont buttonFont(QStringLiteral("Verdana"), 8);
    cmdPrint2 = named(new QPushButton("Excel"), "cmdPrint2", "Excel");
    cmdQuit = named(new QPushButton("Quit"), "cmdQuit", "Quit");
    cmdCrystalPrint = named(new QPushButton("Print"), "cmdCrystalPrint", "Print");
    for (QPushButton* button : {cmdPrint2, cmdQuit, cmdCrystalPrint})
        button->setFont(buttonFont);
    chkPType = named(new QCheckBox("    Landscape"), "chkPType", "Landscape");
    SpinButton1 = named(new QSpinBox, "SpinButton1", "Font size");
    SpinButton1->setRange(8, 14);
    SpinButton1->setValue(10);
    lblFontSize = named(new QLabel("10"), "lblFontSize", "Font size");
    optLot = named(new QRadioButton(" Lot/Batch"), "optLot", "Lot/Batch");
    optLocation = named(new QRadioButton(" Location"), "optLocation", "Location");
}

void Form2::layOutControls() {
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    auto* lots = new QVBoxLayout;
    lots->setContentsMargins(0, 0, 0, 0);
    lots->setSpacing(4);
    lots->addLayout(criteriaLayout());
    lots->addLayout(optionsLayout());
    lots->addWidget(txtSQLQuery);
    lots->addWidget(ListView1, 1);

    // The order panel shows while the window is wide.
    auto* window = new QHBoxLayout(central);
    window->setContentsMargins(8, 6, 8, 8);
    window->setSpacing(12);
    window->addLayout(lots, 1);
    window->addWidget(orderPanel);
}

// Field criteria with their quantities on the left, the lists in the middle, the commands on
// the right.
QLayout* Form2::criteriaLayout() {
    auto* criteria = new QGridLayout;
    criteria->setHorizontalSpacing(6);
    criteria->setVerticalSpacing(3);
    addRow(criteria, 0, 0, lblLocation, feditLocation2, txtQtyLocation);
    addRow(criteria, 1, 0, Label1, feditItemNum2, txtQtyItem);
    criteria->addWidget(lblfeditItemDesc, 2, 1, 1, 2);
    addRow(criteria, 3, 0, Label2, feditLotNum2);
    addRow(criteria, 4, 0, Label3, feditBCustomer2, txtQtyCustCode);
    criteria->addWidget(lblfeditCustCode, 5, 1, 1, 2);
    addRow(criteria, 6, 0, lblProdCode, feditProdCode2, txtQtyProdCode);
    criteria->setColumnMinimumWidth(3, 10);
    addRow(criteria, 0, 4, Label4, feditGrade2, txtQtyGrade);
    addRow(criteria, 1, 4, lblPalStatusQty, cboPalletStatus, txtQtyPalletStatus);
    criteria->addWidget(cboCategory, 2, 5, 1, 2);
    // The order field stays in view while the window is narrow: its finder widens it.
    criteria->addWidget(orderPanel->Label6, 3, 4);
    criteria->addWidget(orderPanel->feditOrder, 3, 5, 1, 2);
    // The search totals line up with the quantities above them.
    const std::pair<QLabel*, QLineEdit*> searchTotals[] = {
        {lblCountLots, txtCountLots},
        {caption("Total", txtQtyTotal), txtQtyTotal},
        {caption("Hold", txtQtyHold), txtQtyHold}};
    for (int i = 0; i < 3; ++i) {
        criteria->addWidget(searchTotals[i].first, 4 + i, 5, Qt::AlignRight);
        criteria->addWidget(searchTotals[i].second, 4 + i, 6);
    }
    criteria->setColumnStretch(1, 3);
    criteria->setColumnStretch(5, 2);
    criteria->setColumnMinimumWidth(7, 10);
    auto* commands = new QVBoxLayout;
    commands->setSpacing(3);
    GoButton1->setMinimumHeight(GoButton1->sizeHint().height() * 2);
    commands->addWidget(GoButton1);
    commands->addWidget(feditClearCount);
    commands->addWidget(feditClearDropDown);
    commands->addStretch();
    commands->addWidget(cmdQuit);
    criteria->addLayout(commands, 0, 8, 7, 1);
    for (QLabel* label : {lblfeditItemDesc, lblfeditCustCode})
        label->setMinimumWidth(1);
    return criteria;
}

// The printout options and the messages of the last search.
QLayout* Form2::optionsLayout() {
    auto* options = new QHBoxLayout;
    options->setSpacing(8);
    options->addWidget(cmdPrint2);
    options->addWidget(chkPType);
    options->addWidget(caption("Font", SpinButton1));
    options->addWidget(SpinButton1);
    options->addWidget(lblFontSize);
    options->addSpacing(12);
    options->addWidget(optLot);
    options->addWidget(optLocation);
    options->addWidget(cmdCrystalPrint);
    options->addSpacing(12);
    // The status counts the rows of a running search and says when it stopped: room for
    // "Search stopped: 900,012 rows listed".
    options->addWidget(lblStatus, 3);
    options->addWidget(lblNoLotsLocation, 1);
    options->addWidget(lblFocusedIndex);
    for (QLabel* label : {lblStatus, lblNoLotsLocation})
        label->setMinimumWidth(1);
    return options;
}

void Form2::setSearchStatement(const QString& statement) {
    const QScopedValueRollback setting(settingStatement_, true);
    txtSQLQuery->setPlainText(statement);
    lastSearchStatement_ = statement;
}

void Form2::setWidthTwips(int twips) {
    orderPanel->setVisible(twips > NarrowWidth);
    centralWidget()->layout()->activate();
    layout()->activate();
    resizeWithinScreen({twipsToPixels(twips), height()});
}

void Form2::resizeWithinScreen(QSize size) {
    QRect available = screen()->availableGeometry();
    // At a fractional scale the screen's size in logical pixels is rounded, up as often as
    // down (1000 pixels at 150 % give 667): one pixel less keeps the window's real pixels on
    // the screen.
    const qreal scale = screen()->devicePixelRatio();
    if (scale != std::floor(scale))
        available.adjust(0, 0, -1, -1);
    // The frame is known once the window has been shown; until then it counts as none.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize fitted = size.boundedTo(available.size() - frame).expandedTo(minimumSize());
    resize(fitted);
    if (!isVisible())
        return;
    QRect frameRect(frameGeometry().topLeft(), fitted + frame);
    frameRect.moveRight(std::min(frameRect.right(), available.right()));
    frameRect.moveBottom(std::min(frameRect.bottom(), available.bottom()));
    frameRect.moveLeft(std::max(frameRect.left(), available.left()));
    frameRect.moveTop(std::max(frameRect.top(), available.top()));
    if (frameRect.topLeft() != frameGeometry().topLeft())
        move(frameRect.topLeft());
}

void Form2::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Now that the frame is known, make sure it fits too.
    resizeWithinScreen(size());
}

bool Form2::Form_Load() {
    bool ok = guard_.run(tr("Opening the host session"), [this] {
        NarrowWidth = platform::kNarrowWidthTwips;
        WideWidth = platform::kWideWidthTwips;
        setWidthTwips(NarrowWidth);
        mainMenu->colourMenus();
        openSession();
    });
    if (ok && !SessionOpened) {
        // The reason in the same box: a user who started the program from the desktop menu
        // has no terminal to read standard error in.
        messages_.informWithDetail(QString(), QStringLiteral("session not open"),
                                   HostSession ? HostSession->failure() : QString());
        ok = false;
    }
    const std::pair<QString, std::function<void()>> steps[] = {
        {tr("Opening the company links"), [this] { setCaptionAndLinks(); }},
        {tr("Binding the criteria fields"), [this] { bindDataSources(); }},
        {tr("Filling the grade list"),
         [this] {
             addEntries(feditGrade2, gradeList());
             feditGrade2->setEditText(QString());
         }},
        {tr("Preparing the lot list"), [this] { prepareLotList(); }},
        {tr("Preparing the order lines"), [this] { orderPanel->prepareOrderLines(); }},
        {tr("Reading the pallet statuses"),
         [this] { addEntries(cboPalletStatus, host::readPalletStatuses(*CompanyLink)); }},
        {tr("Reading the categories"),
         [this] {
             addEntries(cboCategory, host::readCategories(*CompanyLink));
             cboCategory->setEditText(QString());
         }},
        {tr("Setting the font size"), [this] { SpinButton1->setValue(14); }},
    };
    ok = ok && std::all_of(std::begin(steps), std::end(steps), [this](const auto& step) {
             return guard_.run(step.first, step.second);
         });
    if (!ok)
        close();
    return ok;
}

void Form2::openSession() {
    SessionManager = std::make_unique<host::SessionManager>();
    SessionManager->appId = QStringLiteral("XY");
    SessionManager->appVersion = QStringLiteral("63A");
    SessionManager->programName = QStringLiteral("XY1000");
    SessionManager->serverName = QString();
    HostSession = SessionManager->createSession(QString(), SignonId);
    SessionOpened = HostSession && HostSession->isOpened();
}

void Form2::setCaptionAndLinks() {
    const QString company = HostSession->companyId();
    setWindowTitle(windowCaption(company));
    appTitle_ = applicationTitle(company, QCoreApplication::applicationFilePath());
    SecondaryLink = HostSession->openDbLink(0, 1);
    CompanyLink = HostSession->openDbLink(1, 1);
}

void Form2::bindDataSources() {
    struct Binding {
        std::unique_ptr<host::DataSource>& source;
        host::FieldEditControl* control;
        const char* name;
        bool clearValue;
    };
    const Binding bindings[] = {
        {dsLocation2, feditLocation2, "LOCATION", true},
        {dsItemNum2, feditItemNum2, "ITEMNUM", true},
        {dsLotNum2, feditLotNum2, "LOTNUM", true},
        {dsCustCode2, feditBCustomer2, "CUSTCODE", true},
        {dsProdCode2, feditProdCode2, "PRODDATE", true},
        {dsClear, feditClearDropDown, "CLEAR", false},
        {dsClear2, feditClearCount, "DROPDOWN", false},
        {dsOrder2, orderPanel->feditOrder, "ORDNUMBER", true},
    };
    for (const Binding& b : bindings) {
        b.source = std::make_unique<host::DataSource>();
        b.source->init(1, 6);
        b.control->setDataSource(b.source.get());
        if (b.clearValue)
            b.control->setValue(QString());
        b.source->setAttribute(32);
        b.source->attachSession(HostSession.get());
        b.source->setFlag(1);
        b.source->setName(QString::fromLatin1(b.name));
    }
}

void Form2::prepareLotList() {
    ListView1->setModel(lotList);
    setRowHeight(ListView1);
    setColumnWidthsTwips(ListView1, lotListWidthsTwips());
    // After each search the columns make room for what the first rows show. Connected after
    // the view's own connections, so the view knows the new rows by then.
    connect(lotList, &QAbstractItemModel::modelReset, this,
            [this] { fitColumnsToRowsInView(ListView1, lotListWidthsTwips()); });
    // And while it fills, when rows arrive in view.
    connect(lotList, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first) {
                const int lastInView = ListView1->rowAt(ListView1->viewport()->height() - 1);
                if (lastInView < 0 || first <= lastInView)
                    fitColumnsToRowsInView(ListView1, lotListWidthsTwips());
            });
}

}  // namespace qv::app
