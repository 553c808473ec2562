#include "app/search_commands.h"

#include "app/clickable_label.h"
#include "app/event_hook.h"
#include "app/form2.h"
#include "app/main_menu.h"
#include "app/order_panel.h"
#include "drilldown/clipboard_transfer.h"
#include "drilldown/list_hit.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "host/session.h"
#include "platform/database.h"
#include "platform/formats.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "search/background_search.h"
#include "search/lot_list_model.h"
#include "search/lot_query.h"
#include "search/search_run.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

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

const QString kSearching = QStringLiteral("Searching ....");

// How often the rows read so far are shown: often enough to look live, seldom enough that
// telling the view costs little.
constexpr int kShowEveryMs = 50;

QString rowCountText(qint64 rows) {
    return platform::formatNumber(double(rows), u"###,###,##0");
}

// The status while rows arrive: "Searching ...." and "          ...." in turn as the rows
// go by, with the number of rows listed.
QString searchingStatus(qint64 rows) {
    const QString dots = rows % 2 == 1 ? kSearching : QStringLiteral("          ....");
    return dots + QStringLiteral("  ") + rowCountText(rows) + QStringLiteral(" rows");
}

// The window while a search runs: the pointer busy, Go reading "Stop", Esc stopping it, and
// every control that would start something else disabled, so that nothing clicked meanwhile
// is run afterwards. The list stays live for scrolling, without sorting or drill-down.
class SearchInProgress final : public QObject {
public:
    SearchInProgress(Form2& form, search::BackgroundLotSearch& search)
        : form_(form), search_(search) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        const OrderPanel& order = *form.orderPanel;
        QWidget* const controls[] = {form.feditLocation2,
                                     form.feditItemNum2,
                                     form.feditLotNum2,
                                     form.feditProdCode2,
                                     form.feditBCustomer2,
                                     form.feditClearCount,
                                     form.feditClearDropDown,
                                     form.feditGrade2,
                                     form.cboPalletStatus,
                                     form.cboCategory,
                                     form.lblLocation,
                                     form.Label1,
                                     form.Label2,
                                     form.Label3,
                                     form.Label4,
                                     form.lblProdCode,
                                     form.lblfeditItemDesc,
                                     form.lblfeditCustCode,
                                     form.cmdPrint2,
                                     form.cmdCrystalPrint,
                                     form.chkPType,
                                     form.SpinButton1,
                                     form.optLot,
                                     form.optLocation,
                                     form.mainMenu,
                                     order.feditOrder,
                                     form.orderPanel};
        for (QWidget* control : controls)
            if (control->isEnabled()) {
                control->setEnabled(false);
                disabled_.push_back(control);
            }
        // Menu shortcuts work while the bar is disabled.
        for (QAction* action : form.mainMenu->findChildren<QAction*>())
            if (action->isEnabled()) {
                action->setEnabled(false);
                disabledActions_.push_back(action);
            }
        form.ListView1->horizontalHeader()->setSectionsClickable(false);
        form.GoButton1->setText(QStringLiteral("Stop"));
        form.runningSearch = &search;
        qApp->installEventFilter(this);
    }
    ~SearchInProgress() override {
        qApp->removeEventFilter(this);
        form_.runningSearch = nullptr;
        form_.GoButton1->setText(QStringLiteral("Go"));
        form_.ListView1->horizontalHeader()->setSectionsClickable(true);
        for (QAction* action : disabledActions_)
            action->setEnabled(true);
        for (QWidget* control : disabled_)
            control->setEnabled(true);
        QGuiApplication::restoreOverrideCursor();
    }
    SearchInProgress(const SearchInProgress&) = delete;
    SearchInProgress& operator=(const SearchInProgress&) = delete;

protected:
    // Esc anywhere in the window stops the search; a double-click on the list would drill
    // down into rows that are still coming.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool inWindow =
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &form_;
        if (!inWindow)
            return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            search_.stop();
            return true;
        }
        return event->type() == QEvent::MouseButtonDblClick &&
               watched == form_.ListView1->viewport();
    }

private:
    Form2& form_;
    search::BackgroundLotSearch& search_;
    std::vector<QWidget*> disabled_;
    std::vector<QAction*> disabledActions_;
};

// Lists the rows of a running search as they come: the list is emptied when the first
// batch arrives and shows what arrived every kShowEveryMs, with the count in the status.
class LotListFill {
public:
    explicit LotListFill(Form2& form) : form_(form), list_(*form.lotList) {}

    void add(const search::LotRowBatch& batch) {
        if (!started_) {
            started_ = true;
            list_.clear();
            sinceShown_.start();
        }
        for (int row = 0; row < batch.size(); ++row)
            list_.appendRow(batch.row(row));
        rows_ += batch.size();
        if (sinceShown_.elapsed() >= kShowEveryMs || !shown_)
            show();
    }
    // After the last batch, however the run ended.
    void end() {
        if (started_)
            list_.endFill();
    }

private:
    void show() {
        list_.showAppended();
        shown_ = true;
        form_.lblStatus->setText(searchingStatus(rows_));
        sinceShown_.restart();
    }

    Form2& form_;
    search::LotListModel& list_;
    bool started_ = false;
    bool shown_ = false;
    qint64 rows_ = 0;
    QElapsedTimer sinceShown_;
};

// Runs search to its end, listing its rows, while the window goes on; returns how it ended
// (or throws how it failed) once every row it read is listed.
search::LotSearchResult listWhileRunning(Form2& form, search::BackgroundLotSearch& search) {
    const SearchInProgress inProgress(form, search);
    LotListFill fill(form);
    QEventLoop loop;
    bool finished = false;
    // Published once the connection is open: a company that cannot be opened leaves the
    // previous statement, as it always did.
    QObject::connect(&search, &search::BackgroundLotSearch::opened, &loop, [&form, &search] {
        form.setSearchStatement(search.statement());
        drilldown::ClipBoard_SetData(form.messages(), form.appTitle(), form.clipboard(),
                                     form.lastSearchStatement());
    });
    QObject::connect(&search, &search::BackgroundLotSearch::waitingForLock, &loop, [&form] {
        form.lblStatus->setText(
            QStringLiteral("Waiting for the company database, locked by another program "
                           "(Esc stops)"));
    });
    QObject::connect(&search, &search::BackgroundLotSearch::batchReady, &loop,
                     [&] { fill.add(search.takeBatch()); });
    QObject::connect(&search, &search::BackgroundLotSearch::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    search.start();
    loop.exec();
    // The loop also ends when the program quits: the search then stops where it is.
    if (!finished)
        search.stop();
    search.wait();
    for (auto batch = search.takeBatch(); !batch.empty(); batch = search.takeBatch())
        fill.add(batch);
    fill.end();
    return search.result();
}

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
    // While a search runs, Go reads "Stop".
    if (form.runningSearch) {
        form.runningSearch->stop();
        return;
    }
    const search::LotSearchCriteria criteria = readCriteria(form);
    if (const auto refusal = criteria.unsearchableCharacter()) {
        form.messages().inform(form.appTitle(), *refusal);
        return;
    }
    if (criteria.isEmpty() &&
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
    form.lblStatus->setText(kSearching);

    search::BackgroundLotSearch search(platform::connectionString(form.HostSession->companyId()),
                                       form.HostSession->database(),
                                       search::buildLotStatement(readCriteria(form)));
    const search::LotSearchResult result = listWhileRunning(form, search);
    if (result.stopped) {
        form.lblStatus->setText(QStringLiteral("Search stopped: ") +
                                rowCountText(form.lotList->rowCount()) +
                                QStringLiteral(" rows listed"));
        return;
    }
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
