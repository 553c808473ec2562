// The finder and clearing buttons of the criteria fields on the real window, offscreen. What a
// code and status do, and what a chosen row gives each field, are the host's own tests.
#include "app/finder_commands.h"
#include "app/clickable_label.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

#include <QToolButton>

namespace qv::app {
namespace {

using host::FieldEditControl;
using Field = FieldEditControl* Form2::*;

class FinderCommandsTest : public tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        company.addLocation("WH1", "Main store");
        company.addLocation("WH9", "Closed store", 1);
        company.addItem("A100", "Peas", "KG", "B");
        company.addLot("LOT12345678-001", "A100", "WH1", 12);  // fills its column
        company.addLotField("LOT12345678-001", "PRODCODE", "P1");
        // Too short to carry a suffix, and stored without the blanks that would pad it.
        company.exec(
            "INSERT INTO ICXLOT (LOTNUM, ITEMNUM, LOCATION, QTYAVAIL, QTYLEVEL, "
            "STOCKDATE, EXPIRYDATE) VALUES ('AB', 'A100', 'WH1', 1, 1, 20240101, 20251231)");
        company.addOptionValue("CUSTCODE", " C ", "Cafe ");
        ASSERT_NO_FATAL_FAILURE(signOn());
    }

    // Presses the field's finder button and chooses the row whose first column holds `choose`
    // (Enter), or cancels (Escape) when it is empty; returns the status left and the rows.
    std::pair<int, QStringList> find(FieldEditControl* field, const QString& choose) {
        int status = -1;
        const QStringList rows = tests::withFinder(
            [&] { status = field->pressButton(FieldEditControl::kFinderButton); },
            [&](QDialog* dialog, QTableView* table) {
                for (int row = 0; row < table->model()->rowCount(); ++row) {
                    const QModelIndex cell = table->model()->index(row, 0);
                    if (!choose.isEmpty() && cell.data().toString().trimmed() == choose)
                        table->setCurrentIndex(cell);
                }
                QTest::keyClick(dialog->focusWidget(),
                                choose.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            });
        return {status, rows};
    }
};

TEST_F(FinderCommandsTest, ChosenValuesFillTheFieldAndItsLabelCancellingKeepsThem) {
    const struct {
        Field field;
        QString typed, choose;  // nothing to choose: cancelled
        int status;
        QString value, labels;  // the item's description and the customer's
        QStringList rows = {};  // when they are checked
    } cases[] = {
        {&Form2::feditLotNum2, "", "AB", 5, "", "kept|kept", {"AB", "LOT12345678-001"}},
        {&Form2::feditLotNum2, "LOT1", "LOT12345678-001", 5, "LOT12345678-", "kept|kept"},
        // Trimmed into the filter; inactive locations are left out.
        {&Form2::feditLocation2, " WH ", "WH1", 5, "WH1", "kept|kept", {"WH1"}},
        {&Form2::feditItemNum2, "a1", "A100", 5, "A100", "Peas|kept"},
        {&Form2::feditProdCode2, "", "PRODCODE", 3, "P1", "kept|kept"},
        {&Form2::feditBCustomer2, "", "C", 3, "C", "kept|Cafe"},
        {&Form2::feditBCustomer2, "", "", 3, "", "kept|kept"},
    };
    for (const auto& c : cases) {
        FieldEditControl* field = form.get()->*c.field;
        field->setValue(c.typed);
        form->lblfeditItemDesc->setText("kept");
        form->lblfeditCustCode->setText("kept");
        const auto [status, rows] = find(field, c.choose);
        EXPECT_EQ(status, c.status) << (c.typed + '>' + c.choose).toStdString();
        EXPECT_EQ(field->value().trimmed(), c.value);
        EXPECT_EQ(QStringList({form->lblfeditItemDesc->text().trimmed(),
                               form->lblfeditCustCode->text().trimmed()})
                      .join('|'),
                  c.labels);
        if (!c.rows.isEmpty()) {
            EXPECT_EQ(rows, c.rows);
        }
    }
    EXPECT_EQ(messages.texts(), QStringList());
}

TEST_F(FinderCommandsTest, KeyboardReachesTheFinderWhichOpensOnItsSearchBox) {
    ASSERT_NO_FATAL_FAILURE(showWindow());
    form->feditLotNum2->lineEdit()->setFocus();
    QTest::keyClick(form->feditLotNum2->lineEdit(), Qt::Key_Tab);
    QWidget* finderButton = form->feditLotNum2->findChild<QToolButton*>("finderButton");
    ASSERT_EQ(QApplication::focusWidget(), finderButton);
    const QStringList rows =
        tests::withFinder([&] { QTest::keyClick(finderButton, Qt::Key_Space); },
                          [](QDialog* dialog, QTableView*) {
                              auto* search = dialog->findChild<QLineEdit*>("finderSearch");
                              EXPECT_EQ(dialog->focusWidget(), search);
                              QTest::keyClicks(search, "lot");
                              QTest::keyClick(search, Qt::Key_Return);
                          });
    EXPECT_EQ(rows.size(), 2);
    EXPECT_EQ(form->feditLotNum2->value(), "LOT12345678-");
}

// Clearing empties what "Clear All" does (the search commands' test), but not the list.
TEST_F(FinderCommandsTest, ClearingEmptiesCriteriaAndSummariesButNotTheList) {
    form->GoButton1->click();  // every lot, once asked
    ASSERT_EQ(form->lotList->rowCount(), 2);
    messages.entries.clear();
    const struct {
        Field field;
        int code, statusOnEntry;
        bool cleared;
        int statusAfter;
    } cases[] = {
        {&Form2::feditBCustomer2, FieldEditControl::kClearButton, 0, true, 1},
        {&Form2::feditItemNum2, FieldEditControl::kClearButton, 5, false, 5},
        // A status other than 0 keeps the finder closed.
        {&Form2::feditLotNum2, FieldEditControl::kFinderButton, 1, false, 1},
    };
    for (const auto& c : cases) {
        tests::controlTexts({form->feditLocation2, form->txtQtyTotal}, "x");
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* finder = QApplication::activeModalWidget()) {
                opened = true;
                finder->close();
            }
        });
        int status = c.statusOnEntry;
        emit(form.get()->*c.field)->buttonEvent(c.code, status);
        QCoreApplication::processEvents();
        EXPECT_FALSE(opened);
        EXPECT_EQ(form->feditLocation2->value() + form->txtQtyTotal->text(), c.cleared ? "0" : "xx")
            << c.code << " status " << c.statusOnEntry;
        EXPECT_EQ(status, c.statusAfter) << c.code << " status " << c.statusOnEntry;
        EXPECT_EQ(form->lotList->rowCount(), 2);
    }
    EXPECT_EQ(messages.texts(), QStringList());
}

}  // namespace
}  // namespace qv::app
