#include "app/search_commands.h"

#include "app/clickable_label.h"
#include "app/event_hook.h"
#include "app/form2.h"
#include "app/order_panel.h"
#include "drilldown/clipboard_transfer.h"
#include "drilldown/list_hit.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "host/session.h"
#include "platform/database.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "search/lot_list_model.h"
#include "search/lot_query.h"
#include "search/search_run.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>

#include <functional>
#include <memory>
#include <utility>

namespace qv::app {

namespace {

const QString& everythingQuestion() {
    static const QString kText = QStringLiteral(
        "          You Have Not Selected Anything \n\n"
        "    This will Return All Items in the Database \n"
        "       and Could Take a While (2-3 minutes)    \n\n"
        "              Do You Want to Continue ? \n");
    return kText;
}

// Lets the window repaint what the search wrote so far. Clicks and keys wait until the
// search is over: a second search started from inside this one would list other lots than
// the statement left in txtSQLQuery, which the printout reads back.
void processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The lot list as the search run's sink: emptied when the first row is on its way, filled
// under the hourglass, shown when the rows end (also those before a failure).
class LotListFill final : public search::LotRowSink {
public:
    explicit LotListFill(search::LotListModel& list) : list_(list) {}

    void startRows() override {
        processPendingEvents();
        list_.clear();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    void addRow(const search::LotRow& row) override { list_.appendRow(row); }
    void endRows() override {
        list_.endFill();
        QGuiApplication::restoreOverrideCursor();
    }

private:
    search::LotListModel& list_;
};

void writeSummaryBoxes(Form2& form, const search::LotTotals& totals) {
    const search::LotSummaryTexts texts = search::summaryTexts(totals);
    form.txtCountLots->setText(texts.countLots);
    form.txtQtyTotal->setText(texts.qtyTotal);
    form.txtQtyLocation->setText(texts.qtyLocation);
    form.txtQtyProdCode->setText(texts.qtyProdCode);
    form.txtQtyCustCode->setText(texts.qtyCustCode);
    form.txtQtyPalletStatus->setText(texts.qtyPalletStatus);
    form.txtQtyGrade->setText(texts.qtyGrade);
}

// A handler for an event hook: handler on the form, under the guard as `what`.
std::function<void()> guarded(Form2& form, const QString& what, void (*handler)(Form2&)) {
    return [&form, what, handler] { form.guard().run(what, [&form, handler] { handler(form); }); };
}

void connectClearing(Form2& form) {
    const QString clearing = Form2::tr("Clearing");
    const std::pair<host::FieldEditControl*, void (*)(Form2&, int&)> clearButtons[] = {
        {form.feditClearCount, feditClearCount_ButtonEvent},
        {form.feditClearDropDown, feditClearDropDown_ButtonEvent}};
    for (auto [button, handler] : clearButtons)
        form.connectHandler(button, &host::FieldEditControl::buttonEvent, clearing,
                            [&form, handler](int, int& status) { handler(form, status); });
    const std::pair<ClickableLabel*, void (*)(Form2&)> clearingLabels[] = {
        {form.lblLocation, emptyLocation},
        {form.Label1, emptyItemNumber},
        {form.Label2, emptyLotNumber},
        {form.Label3, emptyCustomerCode},
        {form.lblfeditCustCode, emptyCustomerCode},
        {form.Label4, emptyGrade},
        {form.lblfeditItemDesc, emptyGrade},
        {form.lblProdCode, emptyProductCode}};
    for (auto [label, handler] : clearingLabels)
        form.connectHandler(label, &ClickableLabel::clicked, clearing,
                            [&form, handler] { handler(form); });
    form.connectHandler(form.lblfeditItemDesc, &ClickableLabel::doubleClicked, clearing,
                        [&form] { emptyGrade(form); });
    // The combo box's edit field receives the double-click, not the combo box.
    EventHook::install(form.feditGrade2->lineEdit(), QEvent::MouseButtonDblClick,
                       [run = guarded(form, clearing, emptyGrade)](QEvent*) { run(); });
}

void connectLotList(Form2& form) {
    form.connectHandler(form.ListView1->horizontalHeader(), &QHeaderView::sectionClicked,
                        Form2::tr("Sorting"),
                        [&form](int column) { ListView1_ColumnClick(form, column); });
    const QString line = Form2::tr("Showing the line");
    EventHook::install(form.ListView1, QEvent::KeyRelease,
                       [run = guarded(form, line, showSelectedLine)](QEvent*) { run(); });
    followListMouse(form, form.ListView1);
    QWidget* rows = form.ListView1->viewport();
    // Only the left button clicks the list, and a double-click clicks it once: the release
    // that ends a double-click is the drill-down's, which empties the line indicator.
    auto doubleClicked = std::make_shared<bool>(false);
    EventHook::install(rows, QEvent::MouseButtonDblClick,
                       [doubleClicked](QEvent*) { *doubleClicked = true; });
    EventHook::install(
        rows, QEvent::MouseButtonRelease,
        [run = guarded(form, line, ListView1_Click), doubleClicked](QEvent* event) {
            const bool endsDoubleClick = std::exchange(*doubleClicked, false);
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !endsDoubleClick)
                run();
        });
}

}  // namespace

void connectSearchCommands(Form2& form) {
    form.connectHandler(form.GoButton1, &QPushButton::clicked, Form2::tr("Searching"),
                        [&form] { GoButton1_Click(form); });
    // Enter in a criteria field or criteria list starts the search.
    for (host::FieldEditControl* field :
         {form.feditLocation2, form.feditItemNum2, form.feditLotNum2, form.feditProdCode2,
          form.feditBCustomer2})
        QObject::connect(field, &host::FieldEditControl::returnPressed, form.GoButton1,
                         &QPushButton::click);
    for (QComboBox* combo : {form.feditGrade2, form.cboPalletStatus, form.cboCategory})
        QObject::connect(combo->lineEdit(), &QLineEdit::returnPressed, form.GoButton1,
                         &QPushButton::click);
    connectClearing(form);
    connectLotList(form);
}

void GoButton1_Click(Form2& form) {
    if (readCriteria(form).isEmpty() &&
        !form.messages().askYesNo(QStringLiteral("Quorvan"), everythingQuestion()))
        return;
    resetSearchResults(form);
    runSearch(form);
}

search::LotSearchCriteria readCriteria(const Form2& form) {
    return search::LotSearchCriteria::fromControlTexts(
        form.feditLocation2->value(), form.feditItemNum2->value(), form.feditLotNum2->value(),
        form.feditGrade2->currentText(), form.feditProdCode2->value(),
        form.feditBCustomer2->value(), form.cboCategory->currentText(),
        form.cboPalletStatus->currentText());
}

void runSearch(Form2& form) {
    form.lblfeditItemDesc->clear();
    form.lblFocusedIndex->clear();
    form.lblStatus->setText(QStringLiteral("Searching ...."));

    const auto connection = platform::Connection::open(
        platform::connectionString(form.HostSession->companyId()), form.HostSession->database());
    const search::LotSearchCriteria criteria = readCriteria(form);
    processPendingEvents();

    const QString statement = search::buildLotStatement(criteria);
    form.txtSQLQuery->setPlainText(statement);
    drilldown::ClipBoard_SetData(form.messages(), form.appTitle(), form.clipboard(),
                                 form.txtSQLQuery->toPlainText());
    processPendingEvents();

    LotListFill fill(*form.lotList);
    const search::LotSearchResult result = search::runLotSearch(*connection, statement, fill);
    if (result.nothingFound) {
        form.messages().inform(form.appTitle(),
                               search::nothingAvailableMessage(result.recordCount));
        form.lblStatus->clear();
        return;
    }
    writeSummaryBoxes(form, result.totals);
    form.lblStatus->setText(QStringLiteral(" "));
}

void resetSummaries(Form2& form) {
    for (QLineEdit* box : {form.txtQtyCustCode, form.txtQtyGrade, form.txtQtyItem,
                           form.txtQtyLocation, form.txtQtyPalletStatus, form.txtQtyProdCode,
                           form.txtQtyTotal, form.txtQtyHold, form.txtCountLots})
        box->setText(QStringLiteral("0"));
    form.lblNoLotsLocation->clear();
    form.lblStatus->clear();
}

void resetSearchResults(Form2& form) {
    resetSummaries(form);
    form.lotList->clear();
}

void emptyCriteriaAndSummaries(Form2& form) {
    for (host::FieldEditControl* field :
         {form.feditLocation2, form.feditLotNum2, form.feditItemNum2})
        field->field().empty();
    for (host::FieldEditControl* field : {form.feditBCustomer2, form.feditProdCode2})
        field->setValue(QString());
    for (QComboBox* combo : {form.feditGrade2, form.cboCategory, form.cboPalletStatus})
        combo->setEditText(QString());
    for (QLabel* label : {form.lblfeditItemDesc, form.lblfeditCustCode})
        label->clear();
    resetSummaries(form);
}

void feditClearCount_ButtonEvent(Form2& form, int& status) {
    const OrderPanel& order = *form.orderPanel;
    emptyCriteriaAndSummaries(form);
    order.feditOrder->setValue(QString());
    for (QLineEdit* box : {order.txtName, order.txtAddress1, order.txtAddress2, order.txtCity,
                           order.txtState, order.txtZip, order.txtCountry, order.txtFOB,
                           order.txtReference, order.txtHeaderDesc, order.txtShipVia})
        box->clear();
    order.txtComments->clear();
    form.lotList->clear();
    status = 1;
}

void feditClearDropDown_ButtonEvent(Form2& form, int& status) {
    for (QComboBox* combo : {form.cboPalletStatus, form.feditGrade2, form.cboCategory})
        combo->setEditText(QString());
    status = 1;
}

void emptyLocation(Form2& form) {
    form.feditLocation2->setValue(QString());
}

void emptyItemNumber(Form2& form) {
    form.feditItemNum2->setValue(QString());
    form.lblfeditItemDesc->clear();
}

void emptyLotNumber(Form2& form) {
    form.feditLotNum2->setValue(QString());
}

void emptyCustomerCode(Form2& form) {
    form.feditBCustomer2->setValue(QString());
    form.lblfeditCustCode->clear();
}

void emptyProductCode(Form2& form) {
    form.feditProdCode2->setValue(QString());
}

void emptyGrade(Form2& form) {
    form.feditGrade2->setEditText(QString());
}

void ListView1_ColumnClick(Form2& form, int column) {
    form.lotList->sortByHeaderClick(column);
}

void followListMouse(Form2& form, QTableView* list) {
    QWidget* rows = list->viewport();
    rows->setMouseTracking(true);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove})
        EventHook::install(rows, type, [&form](QEvent* event) {
            const QPointF position = static_cast<QMouseEvent*>(event)->position();
            form.guard().run(Form2::tr("Following the mouse"),
                             [&form, position] { rememberListMouse(form, position); });
        });
}

void rememberListMouse(Form2& form, QPointF viewportPosition) {
    form.ListMouseX = float(viewportPosition.x() * platform::kTwipsPerPixel);
    form.ListMouseY = float(viewportPosition.y() * platform::kTwipsPerPixel);
}

QPoint listMousePixels(const Form2& form) {
    return drilldown::mousePixels(form.ListMouseX, form.ListMouseY);
}

void showSelectedLine(Form2& form) {
    const QModelIndexList selected = form.ListView1->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        form.lblFocusedIndex->setText(QStringLiteral("Line: ") +
                                      QString::number(selected.first().row() + 1));
}

void ListView1_Click(Form2& form) {
    if (form.ListView1->indexAt(listMousePixels(form)).isValid())
        showSelectedLine(form);
}

}  // namespace qv::app
