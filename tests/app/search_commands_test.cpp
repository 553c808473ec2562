// The lot search on the real window, offscreen, against a small company.
#include "app/search_commands.h"
#include "app/clickable_label.h"
#include "app/main_menu.h"
#include "app/order_panel.h"
#include "host/go_button.h"
#include "orders/order_lines_model.h"
#include "search/lot_list_model.h"
#include "search/lot_query.h"
#include "search/search_run.h"
#include "tests/app/signed_on_window.h"
#include "tests/support/lock_holder.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class SearchWindowTest : public qv::tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        company.addItem("A100", "Peas", "KG", "B");
        company.addItem("B200", "Beans", "EA", "C");
        // Stored out of lot order, so a sorted list differs from the server's order.
        company.addLot("L02", "B200", "WH2", 3);
        company.addLotField("L02", "PALLETSTATUS", "HOLD");
        company.addLot("L01", "A100", "WH1", 12.5);
        company.addLotField("L01", "GRADE", "A");
        company.addLotField("L01", "PRODCODE", "P1");
        company.addLot("L03", "A100", "WH2", 2.25);
        ASSERT_NO_FATAL_FAILURE(signOn());
    }

    QStringList lotNumbers() const { return qv::tests::columnTexts(form->ListView1, 3); }
    QStringList summaryBoxes() const {
        QStringList out;
        for (const QLineEdit* box :
             {form->txtCountLots, form->txtQtyTotal, form->txtQtyLocation, form->txtQtyItem,
              form->txtQtyGrade, form->txtQtyProdCode, form->txtQtyCustCode,
              form->txtQtyPalletStatus, form->txtQtyHold})
            out << box->text();
        return out;
    }
    // Shows the window and, unless location is null, searches that location.
    void showAndSearch(const QString& location = QString()) {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        if (location.isNull())
            return;
        form->feditLocation2->setValue(location);
        form->GoButton1->click();
    }
    QPoint rowCentre(int row) const {
        return form->ListView1->visualRect(form->lotList->index(row, 4)).center();
    }
    // Enough lots in WH9 for the search to hand them to the list in many batches.
    static constexpr int kManyLots = 16000;
    void addManyLots() {
        company.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                     QString::number(kManyLots) +
                     ") INSERT INTO ICXLOT (LOTNUM, ITEMNUM, LOCATION, QTYAVAIL, QTYLEVEL, "
                     "STOCKDATE, EXPIRYDATE) SELECT printf('M%05d', i), 'A100', 'WH9', i % 7, 1, "
                     "20240101, 20251231 FROM n");
    }
    // Runs action once, when the first rows of a search are listed.
    void onFirstRows(std::function<void()> action) {
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(form->lotList, &QAbstractItemModel::rowsInserted, form.get(),
                                 [once, action] {
                                     QObject::disconnect(*once);
                                     action();
                                 });
    }
};

// The rows a search in one go gives, window-free: what the window must show once its search
// has ended.
class RowsInOneGo : public qv::search::LotRowSink {
public:
    void startRows() override {}
    void addRow(qv::search::LotRow row) override {
        rows << QStringList(row.cells.begin(), row.cells.end());
    }
    void endRows() override {}
    QList<QStringList> rows;
};

const QStringList kZeros(9, "0");

TEST_F(SearchWindowTest, EverythingIsAskedForFirst) {
    form->txtQtyTotal->setText("5");
    messages.answer = false;
    form->GoButton1->click();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(messages.entries[0].question);
    EXPECT_EQ(messages.entries[0].title, "Quorvan");
    EXPECT_EQ(messages.entries[0].text,
              "          You Have Not Selected Anything \n\n"
              "    This will Return All Items in the Database \n"
              "       and Could Take a While (2-3 minutes)    \n\n"
              "              Do You Want to Continue ? \n");
    EXPECT_EQ(form->txtSQLQuery->toPlainText(), "");
    EXPECT_TRUE(clipboard.steps.isEmpty());
    EXPECT_EQ(form->txtQtyTotal->text(), "5");

    messages.answer = true;
    form->GoButton1->click();
    EXPECT_EQ(messages.entries.size(), 2u) << messages.texts().join('|').toStdString();
    EXPECT_EQ(lotNumbers(), QStringList({"L02", "L01", "L03"}));
    // Halves round to even at each addition: 3 + 12.5 gives 16, then 18.25 gives 18; the
    // grade total holds 12.5 alone, 12.
    EXPECT_EQ(summaryBoxes(), QStringList({"3", "18  ", "18", "0", "12", "12", "", "3", "0"}));
    EXPECT_EQ(form->txtSQLQuery->toPlainText(), qv::search::buildLotStatement({}));
}

// The typed text is a criterion, not a new entry of the drop-down.
TEST_F(SearchWindowTest, EnterInACriteriaFieldOrListPressesGo) {
    form->feditLocation2->setValue("wh2");
    QTest::keyClick(form->feditLocation2->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(lotNumbers(), QStringList({"L02", "L03"}));
    form->cboPalletStatus->setEditText("hold");
    QTest::keyClick(form->cboPalletStatus, Qt::Key_Return);
    EXPECT_EQ(lotNumbers(), QStringList({"L02"}));
    EXPECT_EQ(form->cboPalletStatus->count(), 0);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SearchWindowTest, FailureHalfWayKeepsTheRowsBeforeIt) {
    // A stock date of 0 cannot be converted: the server fails on that row only.
    company.addLot("L04", "A100", "WH1", 1, 1, 0);
    company.addLot("L05", "A100", "WH1", 1);
    form->feditItemNum2->setValue("A1");
    form->GoButton1->click();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    EXPECT_EQ(messages.entries[0].text,
              "Searching: Conversion failed when converting date and/or time from character "
              "string.");
    EXPECT_EQ(lotNumbers(), QStringList({"L01", "L03"}));
    EXPECT_EQ(summaryBoxes(), kZeros);
    EXPECT_EQ(form->lblStatus->text(), "");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SearchWindowTest, RowsAreListedWhileTheSearchRunsAndEndAsInOneGo) {
    addManyLots();
    showAndSearch();
    const QList<QWidget*> commandsAndCriteria = {
        form->feditLocation2, form->feditClearCount, form->feditGrade2,
        form->cmdPrint2,      form->mainMenu,        form->orderPanel->feditOrder};
    bool listedWhileRunning = false;
    onFirstRows([&] {
        listedWhileRunning = true;
        EXPECT_LT(form->lotList->rowCount(), kManyLots);
        EXPECT_EQ(form->GoButton1->text(), "Stop");
        EXPECT_TRUE(form->lblStatus->text().startsWith("Searching ...."));
        const QCursor* cursor = QGuiApplication::overrideCursor();
        EXPECT_TRUE(cursor && cursor->shape() == Qt::BusyCursor);
        for (QWidget* control : commandsAndCriteria)
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_FALSE(form->mainMenu->mnuPickingSlip->isEnabled());
        // A click on "Clear All" meanwhile is not run, then or later.
        QTest::mouseClick(form->feditClearCount->findChild<QPushButton*>("button"), Qt::LeftButton);
    });
    form->feditLocation2->setValue("WH");
    form->GoButton1->click();
    EXPECT_TRUE(listedWhileRunning);

    RowsInOneGo inOneGo;
    const auto connection = qv::platform::Connection::open("", company.setting());
    const QString statement = qv::search::buildLotStatement(readCriteria(*form));
    const auto result = qv::search::runLotSearch(*connection, statement, inOneGo);
    ASSERT_EQ(form->lotList->rowCount(), inOneGo.rows.size());
    for (int r = 0; r < form->lotList->rowCount(); ++r)
        for (int c = 0; c < qv::search::kLotColumnCount; ++c)
            ASSERT_EQ(form->lotList->cellText(r, c), inOneGo.rows[r][c]) << r << ',' << c;
    const auto texts = qv::search::summaryTexts(result.totals);
    EXPECT_EQ(summaryBoxes(),
              QStringList({texts.countLots, texts.qtyTotal, texts.qtyLocation, "0", texts.qtyGrade,
                           texts.qtyProdCode, texts.qtyCustCode, texts.qtyPalletStatus, "0"}));
    EXPECT_EQ(form->lastSearchStatement(), statement);
    EXPECT_EQ(form->lblStatus->text(), " ");
    EXPECT_EQ(form->feditLocation2->value(), "WH");
    EXPECT_EQ(form->GoButton1->text(), "Go");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    for (QWidget* control : commandsAndCriteria)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

TEST_F(SearchWindowTest, EscOrStopEndsTheSearchAndTheNextGoRunsAgain) {
    addManyLots();
    showAndSearch();
    const std::pair<const char*, std::function<void()>> stops[] = {
        {"Esc", [&] { QTest::keyClick(form->ListView1, Qt::Key_Escape); }},
        {"Stop", [&] { QTest::mouseClick(form->GoButton1, Qt::LeftButton); }}};
    for (const auto& [name, stop] : stops) {
        SCOPED_TRACE(name);
        onFirstRows(stop);
        form->feditLocation2->setValue("WH9");
        form->GoButton1->click();
        const int listed = form->lotList->rowCount();
        EXPECT_GT(listed, 0);
        EXPECT_LT(listed, kManyLots);
        EXPECT_EQ(summaryBoxes(), kZeros);
        EXPECT_EQ(form->lblStatus->text(),
                  "Search stopped: " + QLocale(QLocale::English).toString(listed) + " rows listed");
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(form->GoButton1->text(), "Go");
    }
    form->GoButton1->click();
    EXPECT_EQ(form->txtCountLots->text(), "16,000");

    // Quit stops it too, and closes the window once the worker has ended.
    onFirstRows([&] { form->cmdQuit->click(); });
    form->GoButton1->click();
    EXPECT_LT(form->lotList->rowCount(), kManyLots);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->HostSession, nullptr);
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

TEST_F(SearchWindowTest, EscEndsTheWaitForALockedCompany) {
    if (!qv::tests::LockHolder::available())
        GTEST_SKIP() << "no sqlite3 shell to hold a lock";
    const qv::tests::LockHolder lock(company.path());
    bool busyWhileWaiting = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!form->lblStatus->text().startsWith("Waiting for the company database"))
            return;
        busyWhileWaiting = QGuiApplication::overrideCursor() != nullptr;
        QTest::keyClick(form->ListView1, Qt::Key_Escape);
    });
    watch.start(5);
    form->feditLocation2->setValue("WH");
    form->GoButton1->click();
    EXPECT_TRUE(busyWhileWaiting);
    EXPECT_EQ(form->lblStatus->text(), "Search stopped: 0 rows listed");
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

// A NUL or half a surrogate pair is refused by name; any other character is searched, and
// the statement kept, shown and copied exactly as it ran (the box alone would turn CR and
// U+2028 into paragraph breaks).
TEST_F(SearchWindowTest, UnsearchableCharactersAreRefusedAndTheStatementIsKeptExactly) {
    const struct {
        qv::host::FieldEditControl* field;
        QString value;
        QString refusal;  // empty: searched
    } cases[] = {
        {form->feditLotNum2, QString("L1") + QChar(0) + "2",
         "The Lot criterion contains a character that cannot be searched (U+0000)."},
        {form->feditLocation2, QString("W") + QChar(0xD83D),
         "The Location criterion contains a character that cannot be searched (U+D83D)."},
        {form->feditBCustomer2, QString(QChar(0xDE00)) + "C",
         "The CustCode criterion contains a character that cannot be searched (U+DE00)."},
        {form->feditLocation2, "\x01\u0416\U0001F600\r\u2028\u00a0X", ""},
    };
    form->GoButton1->click();
    ASSERT_EQ(form->lotList->rowCount(), 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        form->txtSQLQuery->setPlainText("before");
        form->txtQtyTotal->setText("5");
        messages.entries.clear();
        c.field->setValue(c.value);
        const QString statement = qv::search::buildLotStatement(readCriteria(*form));
        form->GoButton1->click();
        c.field->setValue("");
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].title, form->appTitle());
        if (!c.refusal.isEmpty()) {
            EXPECT_EQ(messages.entries[0].text, c.refusal);
            EXPECT_EQ(form->lastSearchStatement(), "before");
            EXPECT_EQ(form->txtQtyTotal->text(), "5");
            EXPECT_EQ(form->lotList->rowCount(), 3);  // the refusals come first
            continue;
        }
        // Nothing found: the list emptied, the summaries reset, the status empty.
        EXPECT_EQ(messages.entries[0].text, "0 Records - Nothing Available for this selection ");
        EXPECT_EQ(form->lotList->rowCount(), 0);
        EXPECT_EQ(summaryBoxes(), kZeros);
        EXPECT_EQ(form->lblStatus->text(), "");
        ASSERT_TRUE(statement.contains(c.value));
        EXPECT_EQ(form->lastSearchStatement().toUtf8(), statement.toUtf8());
        EXPECT_EQ(clipboard.contents.value_or("").toUtf8(), statement.toUtf8());
    }
    // What the user types into the box is the statement from then on.
    form->txtSQLQuery->setPlainText("SELECT 1");
    EXPECT_EQ(form->lastSearchStatement(), "SELECT 1");
}

// The model's tests cover the sort rules; here the header reaches it and a search keeps it.
TEST_F(SearchWindowTest, HeaderClicksSortAndTheSortStays) {
    showAndSearch("WH");
    const QHeaderView* header = form->ListView1->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, 5));
    EXPECT_EQ(lotNumbers(), QStringList({"L03", "L02", "L01"}));
    form->GoButton1->click();
    EXPECT_EQ(lotNumbers(), QStringList({"L03", "L02", "L01"}));
}

TEST_F(SearchWindowTest, ColumnsMakeRoomForTheRowsInView) {
    company.addLot("WWWWWWWWWWWWWWW", "B200", "WH3", 1);
    showAndSearch("");
    const QHeaderView* header = form->ListView1->horizontalHeader();
    EXPECT_GT(header->sectionSize(3),
              form->ListView1->fontMetrics().horizontalAdvance("WWWWWWWWWWWWWWW"));
    EXPECT_EQ(header->sectionSize(0), 17);  // the check box only
    EXPECT_EQ(header->sectionSize(5), 80);  // dates fit their design width
}

TEST_F(SearchWindowTest, LineIndicatorFollowsTheSelection) {
    showAndSearch("WH");
    QWidget* rows = form->ListView1->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, rowCentre(1));
    EXPECT_EQ(form->lblFocusedIndex->text(), "Line: 2");
    QTest::keyClick(form->ListView1, Qt::Key_Down);
    EXPECT_EQ(form->lblFocusedIndex->text(), "Line: 3");

    // Below the last row, or with the right button: no line, the label keeps what it showed.
    QTest::mouseClick(rows, Qt::LeftButton, {}, rowCentre(2) + QPoint(0, 40));
    EXPECT_EQ(form->lblFocusedIndex->text(), "Line: 3");
    QTest::mouseClick(rows, Qt::RightButton, {}, rowCentre(0));
    ASSERT_EQ(form->ListView1->currentIndex().row(), 0);
    EXPECT_EQ(form->lblFocusedIndex->text(), "Line: 3");

    form->GoButton1->click();
    EXPECT_EQ(form->lblFocusedIndex->text(), "");
}

TEST_F(SearchWindowTest, ClearingCommands) {
    showAndSearch("");
    messages.entries.clear();
    const QList<QWidget*> dropDowns = {form->feditGrade2, form->cboPalletStatus, form->cboCategory};
    // What "Clear All" empties: the criteria and their labels, and the order's header.
    const QList<QWidget*> cleared =
        dropDowns + QList<QWidget*>{form->feditLocation2,        form->feditItemNum2,
                                    form->feditLotNum2,          form->feditProdCode2,
                                    form->feditBCustomer2,       form->orderPanel->feditOrder,
                                    form->lblfeditItemDesc,      form->lblNoLotsLocation,
                                    form->lblfeditCustCode,      form->lblStatus,
                                    form->orderPanel->txtName,   form->orderPanel->txtCity,
                                    form->orderPanel->txtShipVia};
    const auto allEmpty = [](const QList<QWidget*>& controls) {
        for (const auto& [name, text] : qv::tests::controlTexts(controls))
            EXPECT_EQ(text, "") << name.toStdString();
    };
    qv::tests::controlTexts(cleared, "x");
    form->orderPanel->txtOrdUniq->setText("x");
    form->orderPanel->txtComments->setPlainText("x");
    form->orderPanel->orderLines->addRow({"A100", "1"});

    // "Clear Lists": the drop-down criteria only.
    EXPECT_EQ(form->feditClearDropDown->pressButton(qv::host::FieldEditControl::kFinderButton), 1);
    allEmpty(dropDowns);
    EXPECT_EQ(form->feditLocation2->value(), "x");
    EXPECT_EQ(form->lotList->rowCount(), 3);

    // The labels beside the criteria.
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    allEmpty({form->feditBCustomer2, form->lblfeditCustCode});
    form->feditGrade2->setEditText("A");
    QTest::mouseDClick(form->feditGrade2->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(form->feditGrade2->currentText(), "");

    // "Clear All": criteria, order header and search results, not the order lines.
    qv::tests::controlTexts(cleared, "x");
    form->feditClearCount->findChild<QPushButton*>("button")->click();
    allEmpty(cleared);
    EXPECT_EQ(form->orderPanel->txtComments->toPlainText(), "");
    EXPECT_EQ(form->orderPanel->txtOrdUniq->text(), "x");
    EXPECT_EQ(summaryBoxes(), kZeros);
    EXPECT_EQ(form->lotList->rowCount(), 0);
    EXPECT_EQ(form->orderPanel->orderLines->rowCount(), 1);
    EXPECT_TRUE(messages.entries.empty());
}

}  // namespace
