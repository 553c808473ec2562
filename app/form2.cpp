#include "app/form2.h"

#include "app/about_box.h"
#include "app/clickable_label.h"
#include "app/event_hook.h"
#include "app/search_commands.h"
#include "app/text_viewer.h"
#include "app/window_texts.h"
#include "host/data_source.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "host/session.h"
#include "host/view.h"
#include "orders/order_lines_model.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "search/lot_list_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace qv::app {

namespace {

using platform::twipsToPixels;

// The window's height as designed.
constexpr int kDesignHeightTwips = 10200;

template <class W>
W* named(W* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QLineEdit* textBox(const char* name, const QString& accessibleName, const QString& text = {},
                   const QString& placeholder = {}) {
    auto* box = named(new QLineEdit(text), name, accessibleName);
    box->setPlaceholderText(placeholder);
    return box;
}

// A summary or total box: a right-aligned read-only number.
QLineEdit* numberBox(const char* name, const QString& accessibleName, const QString& text) {
    auto* box = textBox(name, accessibleName, text);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(90);
    return box;
}

// An order header box: filled by the order lookup, read by the user.
QLineEdit* headerBox(const char* name, const QString& accessibleName) {
    auto* box = textBox(name, accessibleName, {}, accessibleName);
    box->setReadOnly(true);
    return box;
}

QComboBox* comboBox(const char* name, const QString& accessibleName) {
    auto* combo = named(new QComboBox, name, accessibleName);
    combo->setEditable(true);
    // Typing a value is a criterion, not a new list entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setPlaceholderText(accessibleName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    return combo;
}

QTableView* listView(const char* name, const QString& accessibleName) {
    auto* view = named(new QTableView, name, accessibleName);
    view->setShowGrid(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    // Column widths are the design's, the narrow check-box column included.
    view->horizontalHeader()->setMinimumSectionSize(1);
    return view;
}

// Compact fixed rows for the list's own font.
void setRowHeight(QTableView* view) {
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
}

void setColumnWidthsTwips(QTableView* view, const std::vector<int>& twips) {
    for (int i = 0; i < static_cast<int>(twips.size()); ++i)
        view->horizontalHeader()->resizeSection(i, twipsToPixels(twips[static_cast<size_t>(i)]));
}

// Widens columns whose texts in the rows now in view (or header) do not fit, and brings
// the others back to their design widths; the check-box column keeps its width. Only the
// rows in view are measured: a search can list a million.
void fitColumnsToRowsInView(QTableView* view, const std::vector<int>& designTwips) {
    const int first = view->rowAt(0);
    if (first < 0)
        return;
    int last = view->rowAt(view->viewport()->height() - 1);
    if (last < 0)
        last = view->model()->rowCount() - 1;
    QHeaderView* header = view->horizontalHeader();
    // The grid line takes a pixel of every cell.
    const int gridLine = view->showGrid() ? 1 : 0;
    for (int column = 1; column < static_cast<int>(designTwips.size()); ++column) {
        int width = std::max(twipsToPixels(designTwips[static_cast<size_t>(column)]),
                             header->sectionSizeHint(column));
        for (int row = first; row <= last; ++row) {
            const QModelIndex cell = view->model()->index(row, column);
            width = std::max(width, view->sizeHintForIndex(cell).width() + gridLine);
        }
        header->resizeSection(column, width);
    }
}

// Adds entries without touching the combo's text (an editable combo would otherwise show
// its first entry).
void addEntries(QComboBox* combo, const QStringList& entries) {
    const QString text = combo->currentText();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// A captioned row of a grid: label | field | optional number box.
void addRow(QGridLayout* grid, int row, int column, QWidget* label, QWidget* field,
            QWidget* number = nullptr) {
    if (label)
        grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    if (number)
        grid->addWidget(number, row, column + 2);
}

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

Form2::Form2(platform::MessagePort& messages, platform::ClipboardPort& clipboard, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      clipboard_(clipboard),
      guard_(messages, [this] { return appTitle_; }) {
    setObjectName(QStringLiteral("Form2"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    createControls();
    createMenus();
    layOutControls();
    connectHandlers();
    guard_.setStatusLabel(lblStatus);
    // As designed: with the order panel showing.
    resize(twipsToPixels(platform::kWideWidthTwips), twipsToPixels(kDesignHeightTwips));
}

Form2::~Form2() = default;

void Form2::createControls() {
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

    feditOrder = named(new FieldEditControl, "feditOrder", "Ord#");
    txtOrdUniq = headerBox("txtOrdUniq", "Order uniquifier");
    txtCustomer = headerBox("txtCustomer", "Cust");
    txtBilName = headerBox("txtBilName", "Bill-to name");
    txtOrderDate = headerBox("txtOrderDate", "Order date");
    txtExpDate = headerBox("txtExpDate", "Ship date");
    txtShipVia = headerBox("txtShipVia", "Ship via");
    txtViaDesc = headerBox("txtViaDesc", "Ship via description");
    txtFOB = headerBox("txtFOB", "FOB");
    txtPONumber = headerBox("txtPONumber", "PO");
    txtReference = headerBox("txtReference", "Ref");
    txtHeaderDesc = headerBox("txtHeaderDesc", "Order description");
    txtComments = named(new QPlainTextEdit, "txtComments", "Comments");
    txtComments->setReadOnly(true);
    txtComments->setPlaceholderText(QStringLiteral("Comments"));
    txtComments->setFixedHeight(txtComments->fontMetrics().lineSpacing() * 4 + 12);
    txtShipTo = headerBox("txtShipTo", "ShpTo");
    txtName = headerBox("txtName", "Ship-to name");
    txtAddress1 = headerBox("txtAddress1", "Address 1");
    txtAddress2 = headerBox("txtAddress2", "Address 2");
    txtCity = headerBox("txtCity", "City");
    txtState = headerBox("txtState", "State");
    txtZip = headerBox("txtZip", "Zip");
    txtCountry = headerBox("txtCountry", "Country");
    ListView2 = listView("ListView2", "Order lines");
    txtOrdLineCount = numberBox("txtOrdLineCount", "Line count", "0");
    txtOrdLineQtyTotal = numberBox("txtOrdLineQtyTotal", "Total quantity ordered", "0 ");
    txtOrdLineTotal = numberBox("txtOrdLineTotal", "Total weight", "0 ");
    Label6 = named(caption("Ord#", feditOrder), "Label6", "Ord#");
    lblOrddate = named(caption("Ord", txtOrderDate), "lblOrddate", "Ord");
    Label7 = named(caption("Cust", txtCustomer), "Label7", "Cust");
    Label5 = named(caption("Ship", txtExpDate), "Label5", "Ship");
    Label8 = named(caption("ShpTo", txtShipTo), "Label8", "ShpTo");
    Label9 = named(caption("PO", txtPONumber), "Label9", "PO");
    Label10 = named(caption("Ref", txtReference), "Label10", "Ref");
    Label11 = named(caption("Lbs", txtOrdLineTotal), "Label11", "Lbs");
    Label12 = named(caption("Qty", txtOrdLineQtyTotal), "Label12", "Qty");
    Label13 = named(caption("Count", txtOrdLineCount), "Label13", "Count");

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

    lotList = new search::LotListModel(this);
    orderLines = new orders::OrderLinesModel(this);
    ListView2->setModel(orderLines);
}

void Form2::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    auto menu = [](QMenu* parent, const char* name, const QString& text) {
        QMenu* m = parent->addMenu(text);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [](QMenu* parent, const char* name, const QString& text, bool checked = false) {
        QAction* a = parent->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(checked);
        a->setChecked(checked);
        return a;
    };
    mnuFile = bar->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFontSize = menu(mnuFile, "mnuFontSize", "FontSize");
    mnu10point = item(mnuFontSize, "mnu10point", "10 Point");
    mnu11point = item(mnuFontSize, "mnu11point", "11 Point");
    mnu12point = item(mnuFontSize, "mnu12point", "12 Point");
    mnu13point = item(mnuFontSize, "mnu13point", "13 Point");
    mnu14point = item(mnuFontSize, "mnu14point", "14 Point", true);
    mnuOrientation = menu(mnuFile, "mnuOrientation", "Print Orientation");
    mnuPortrait = item(mnuOrientation, "mnuPortrait", "Portrait");
    mnuLandscape = item(mnuOrientation, "mnuLandscape", "Landscape", true);
    mnuPortrait->setCheckable(true);
    mnuCrystal = menu(mnuFile, "mnuCrystal", "Print Crystal");
    mnuItemReport = item(mnuCrystal, "mnuItemReport", "Item Report");
    mnuLotReport = item(mnuCrystal, "mnuLotReport", "Lot Report");
    mnuQuarantine = item(mnuCrystal, "mnuQuarantine", "Quarantine Report");
    mnuCustReport = item(mnuCrystal, "mnuCustReport", "Customer Report");
    mnuPrintExcel = menu(mnuFile, "mnuPrintExcel", "Print Excel");
    mnuLotListing = item(mnuPrintExcel, "mnuLotListing", "Lot Listing");
    mnuPickingSlip = item(mnuPrintExcel, "mnuPickingSlip", "Picking Slip", true);
    mnuPickingSlip->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    // Blank, disabled entries that push "Help" towards the right-hand end of the bar.
    auto spacer = [bar](const char* name, int width) {
        QAction* a = bar->addAction(QString(width, u' '));
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(false);
        return a;
    };
    s3 = spacer("s3", 77);
    s2 = spacer("s2", 132);
    mnuAbout = bar->addAction(QStringLiteral("Help"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    // Choosing an item leaves its check mark as it was (Qt would toggle it): marks move only
    // when the program sets them. Connected before the items' commands, so a command that
    // sets a mark has the last word.
    for (QAction* action : bar->findChildren<QAction*>())
        if (action->isCheckable())
            connect(action, &QAction::triggered, action,
                    [action](bool toggledTo) { action->setChecked(!toggledTo); });
}

void Form2::layOutControls() {
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    // Criteria: field criteria with their quantities on the left, the lists in the middle,
    // the commands on the right.
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

    // The printout options and the messages of the last search.
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
    options->addWidget(lblStatus, 1);
    options->addWidget(lblNoLotsLocation, 2);
    options->addWidget(lblFocusedIndex);
    for (QLabel* label : {lblStatus, lblNoLotsLocation})
        label->setMinimumWidth(1);

    auto* lots = new QVBoxLayout;
    lots->setContentsMargins(0, 0, 0, 0);
    lots->setSpacing(4);
    lots->addLayout(criteria);
    lots->addLayout(options);
    lots->addWidget(txtSQLQuery);
    lots->addWidget(ListView1, 1);

    // The order panel, shown while the window is wide.
    orderPanel_ = new QWidget;
    orderPanel_->setObjectName(QStringLiteral("orderPanel"));
    auto* header = new QGridLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setHorizontalSpacing(6);
    header->setVerticalSpacing(3);
    addRow(header, 0, 0, Label6, feditOrder);
    header->addWidget(txtOrdUniq, 0, 4);
    addRow(header, 1, 0, lblOrddate, txtOrderDate);
    addRow(header, 1, 3, Label5, txtExpDate);
    addRow(header, 2, 0, Label7, txtCustomer);
    header->addWidget(txtBilName, 2, 3, 1, 2);
    addRow(header, 3, 0, Label9, txtPONumber);
    addRow(header, 3, 3, Label10, txtReference);
    header->addWidget(txtShipVia, 4, 1, 1, 2);
    header->addWidget(txtViaDesc, 4, 3, 1, 2);
    header->addWidget(txtFOB, 5, 1, 1, 2);
    header->addWidget(txtHeaderDesc, 5, 3, 1, 2);
    addRow(header, 6, 0, Label8, txtShipTo);
    header->addWidget(txtName, 6, 3, 1, 2);
    header->addWidget(txtAddress1, 7, 1, 1, 4);
    header->addWidget(txtAddress2, 8, 1, 1, 4);
    header->addWidget(txtCity, 9, 1, 1, 2);
    header->addWidget(txtState, 9, 3);
    header->addWidget(txtZip, 9, 4);
    header->addWidget(txtCountry, 10, 1, 1, 2);
    header->addWidget(txtComments, 11, 1, 1, 4);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(4, 1);
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    for (auto [label, box] : {std::pair<QLabel*, QLineEdit*>{Label13, txtOrdLineCount},
                              {Label12, txtOrdLineQtyTotal},
                              {Label11, txtOrdLineTotal}}) {
        totals->addWidget(label);
        totals->addWidget(box);
    }
    auto* order = new QVBoxLayout(orderPanel_);
    order->setContentsMargins(0, 0, 0, 0);
    order->setSpacing(4);
    order->addLayout(header);
    order->addWidget(ListView2, 1);
    order->addLayout(totals);
    orderPanel_->setFixedWidth(
        twipsToPixels(platform::kWideWidthTwips - platform::kNarrowWidthTwips) - 12);

    auto* window = new QHBoxLayout(central);
    window->setContentsMargins(8, 6, 8, 8);
    window->setSpacing(12);
    window->addLayout(lots, 1);
    window->addWidget(orderPanel_);
}

void Form2::connectHandlers() {
    auto handle = [this](auto* sender, auto signal, const QString& what, auto handler) {
        connect(sender, signal, this, [this, what, handler] { guard_.run(what, handler); });
    };
    handle(SpinButton1, &QSpinBox::valueChanged, tr("Font size"),
           [this] { lblFontSize->setText(QString::number(SpinButton1->value())); });
    const std::pair<QAction*, int> sizes[] = {
        {mnu10point, 10}, {mnu11point, 11}, {mnu12point, 12}, {mnu13point, 13}, {mnu14point, 14}};
    for (auto [action, size] : sizes)
        handle(action, &QAction::triggered, action->text(),
               [this, size] { SpinButton1->setValue(size); });
    handle(mnuAbout, &QAction::triggered, tr("About"), [this] { mnuAbout_Click(); });
    connect(cmdQuit, &QPushButton::clicked, this, &Form2::cmdQuit_Click);
    connectSearchHandlers();
    handle(orderLines, &orders::OrderLinesModel::columnsReplaced, tr("Order lines"), [this] {
        std::vector<int> widths;
        for (const platform::ListColumn& column : orderLines->columns())
            widths.push_back(column.widthTwips);
        setColumnWidthsTwips(ListView2, widths);
    });
}

void Form2::connectSearchHandlers() {
    const QString searching = tr("Searching");
    const QString clearing = tr("Clearing");
    const auto command = [this](const QString& what, void (*handler)(Form2&)) {
        return [this, what, handler] { guard_.run(what, [this, handler] { handler(*this); }); };
    };
    connect(GoButton1, &QPushButton::clicked, this, command(searching, GoButton1_Click));
    // Enter in a criteria field starts the search.
    for (host::FieldEditControl* field :
         {feditLocation2, feditItemNum2, feditLotNum2, feditProdCode2, feditBCustomer2})
        connect(field, &host::FieldEditControl::returnPressed, GoButton1, &QPushButton::click);
    for (QComboBox* combo : {feditGrade2, cboPalletStatus, cboCategory})
        connect(combo->lineEdit(), &QLineEdit::returnPressed, GoButton1, &QPushButton::click);

    const std::pair<host::FieldEditControl*, void (*)(Form2&, int&)> clearButtons[] = {
        {feditClearCount, feditClearCount_ButtonEvent},
        {feditClearDropDown, feditClearDropDown_ButtonEvent}};
    for (auto [button, handler] : clearButtons)
        connect(button, &host::FieldEditControl::buttonEvent, this,
                [this, clearing, handler](int, int& status) {
                    guard_.run(clearing, [this, handler, &status] { handler(*this, status); });
                });
    const std::pair<ClickableLabel*, void (*)(Form2&)> clearingLabels[] = {
        {lblLocation, emptyLocation},
        {Label1, emptyItemNumber},
        {Label2, emptyLotNumber},
        {Label3, emptyCustomerCode},
        {lblfeditCustCode, emptyCustomerCode},
        {Label4, emptyGrade},
        {lblfeditItemDesc, emptyGrade},
        {lblProdCode, emptyProductCode}};
    for (auto [label, handler] : clearingLabels)
        connect(label, &ClickableLabel::clicked, this, command(clearing, handler));
    connect(lblfeditItemDesc, &ClickableLabel::doubleClicked, this, command(clearing, emptyGrade));
    // The combo box's edit field receives the double-click, not the combo box.
    EventHook::install(feditGrade2->lineEdit(), QEvent::MouseButtonDblClick,
                       [run = command(clearing, emptyGrade)](QEvent*) { run(); });

    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        guard_.run(tr("Sorting"), [this, column] { ListView1_ColumnClick(*this, column); });
    });
    const QString line = tr("Showing the line");
    EventHook::install(ListView1, QEvent::KeyRelease,
                       [run = command(line, showSelectedLine)](QEvent*) { run(); });
    QWidget* rows = ListView1->viewport();
    rows->setMouseTracking(true);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove})
        EventHook::install(rows, type, [this](QEvent* event) {
            const QPointF position = static_cast<QMouseEvent*>(event)->position();
            guard_.run(tr("Following the mouse"),
                       [this, position] { rememberListMouse(*this, position); });
        });
    // Only the left button clicks the list.
    EventHook::install(rows, QEvent::MouseButtonRelease,
                       [run = command(line, ListView1_Click)](QEvent* event) {
                           if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                               run();
                       });
}

void Form2::setWidthTwips(int twips) {
    orderPanel_->setVisible(twips > NarrowWidth);
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(twipsToPixels(twips), height());
}

bool Form2::Form_Load() {
    bool ok = guard_.run(tr("Opening the host session"), [this] {
        NarrowWidth = platform::kNarrowWidthTwips;
        WideWidth = platform::kWideWidthTwips;
        setWidthTwips(NarrowWidth);
        colourMenus();
        openSession();
    });
    if (ok && !SessionOpened) {
        messages_.inform(QString(), QStringLiteral("session not open"));
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
        {tr("Preparing the order lines"), [this] { prepareOrderLines(); }},
        {tr("Reading the pallet statuses"), [this] { fillPalletStatuses(); }},
        {tr("Reading the categories"), [this] { fillCategories(); }},
        {tr("Setting the font size"), [this] { SpinButton1->setValue(14); }},
    };
    ok = ok && std::all_of(std::begin(steps), std::end(steps), [this](const auto& step) {
             return guard_.run(step.first, step.second);
         });
    if (!ok)
        close();
    return ok;
}

void Form2::colourMenus() {
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background-color: rgb(255, 255, 0); }"));
    // Set on "File", the colour reaches every submenu below it.
    mnuFile->setStyleSheet(
        QStringLiteral("QMenu { background-color: rgb(0, 255, 255); color: black; }"
                       "QMenu::item:selected { background-color: rgb(0, 0, 128); color: white; }"));
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
        {dsOrder2, feditOrder, "ORDNUMBER", true},
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
}

void Form2::prepareOrderLines() {
    orderLines->setColumns(initialOrderLineColumns());
    setRowHeight(ListView2);
    ListView2->setVisible(true);
}

void Form2::fillPalletStatuses() {
    const auto view = CompanyLink->openView(QStringLiteral("CS0012"));
    view->browse(QStringLiteral("(OPTFIELD = \"PALLETSTATUS\")"), true);
    QStringList values;
    while (view->fetch())
        values << view->field(QStringLiteral("VALUE")).toString().trimmed();
    view->release();
    addEntries(cboPalletStatus, values);
}

void Form2::fillCategories() {
    const auto view = CompanyLink->openView(QStringLiteral("IC0210"));
    QStringList entries;
    while (view->fetch())
        entries << categoryEntry(view->field(QStringLiteral("CATEGORY")).toString(),
                                 view->field(QStringLiteral("DESC")).toString());
    view->release();
    addEntries(cboCategory, entries);
    cboCategory->setEditText(QString());
}

void Form2::mnuAbout_Click() {
    if (!aboutBox_)
        aboutBox_ = new AboutBox(appTitle_, guard_, this);
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

void Form2::cmdQuit_Click() {
    guard_.run(tr("Quit"), [this] {
        if (aboutBox_)
            aboutBox_->close();
        // The viewers the about box opened would keep the program running.
        TextViewer::closeAll();
        if (HostSession)
            HostSession->close();
        HostSession.reset();
        SessionManager.reset();
        host::SignonManager().signoff(SignonId);
    });
    // A failing sign-off has been reported; the program ends all the same.
    close();
}

}  // namespace qv::app
