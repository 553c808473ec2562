// The finder and clearing buttons of the criteria fields on the real window, offscreen.
#include "app/finder_commands.h"
#include "app/clickable_label.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace qv::app {
namespace {

using host::FieldEditControl;
using host::FinderField;

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
            "STOCKDATE, EXPIRYDATE) VALUES ('AB', 'A100', 'WH1', 1, 1, 20240101, "
            "20251231)");
        company.addOptionValue("CUSTCODE", " C ", "Cafe ");
        company.addOptionValue("CUSTCODE", "5\" PIPE", "Pipes");
        ASSERT_NO_FATAL_FAILURE(signOn());
    }

    FieldEditControl* control(FinderField field) const {
        switch (field) {
            case FinderField::LotNumber:
                return form->feditLotNum2;
            case FinderField::Location:
                return form->feditLocation2;
            case FinderField::ItemNumber:
                return form->feditItemNum2;
            case FinderField::ProdCode:
                return form->feditProdCode2;
            case FinderField::Customer:
                return form->feditBCustomer2;
        }
        return nullptr;
    }

    // Presses the field's finder button through press() while drive() acts on the open
    // finder (which is cancelled if drive() leaves it open); returns the first column's
    // trimmed values of the rows the finder listed.
    QStringList withFinder(const std::function<void()>& press,
                           const std::function<void(QDialog*, QTableView*)>& drive) {
        QStringList rows;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = true;
            auto* table = dialog->findChild<QTableView*>("finderTable");
            for (int row = 0; row < table->model()->rowCount(); ++row)
                rows << table->model()->index(row, 0).data().toString().trimmed();
            drive(dialog, table);
            if (dialog->isVisible())
                dialog->reject();
        });
        press();
        EXPECT_TRUE(opened);
        return rows;
    }
    // The status the field's finder leaves, choosing the row whose first column holds
    // `choose` (Enter), or cancelling (Escape) when it is empty.
    int find(FinderField field, const QString& choose, QStringList* rows = nullptr) {
        int status = -1;
        const QStringList listed = withFinder(
            [&] { status = control(field)->pressButton(FieldEditControl::kFinderButton); },
            [&](QDialog* dialog, QTableView* table) {
                for (int row = 0; row < table->model()->rowCount(); ++row) {
                    if (!choose.isEmpty() &&
                        table->model()->index(row, 0).data().toString().trimmed() == choose)
                        table->setCurrentIndex(table->model()->index(row, 0));
                }
                QTest::keyClick(dialog->focusWidget(),
                                choose.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            });
        if (rows)
            *rows = listed;
        return status;
    }
};

TEST_F(FinderCommandsTest, ChosenValuesFillTheFieldAndItsLabel) {
    QStringList rows;
    form->feditLotNum2->setValue("LOT1");
    EXPECT_EQ(find(FinderField::LotNumber, "LOT12345678-001", &rows), 5);
    EXPECT_EQ(rows, QStringList{"LOT12345678-001"});
    EXPECT_EQ(form->feditLotNum2->value(), "LOT12345678-");

    form->feditLotNum2->setValue("");
    EXPECT_EQ(find(FinderField::LotNumber, "AB", &rows), 5);
    EXPECT_EQ(rows, (QStringList{"AB", "LOT12345678-001"}));
    EXPECT_EQ(form->feditLotNum2->value(), "");

    form->feditLocation2->setValue(" WH ");  // trimmed into the filter; inactive ones left out
    EXPECT_EQ(find(FinderField::Location, "WH1", &rows), 5);
    EXPECT_EQ(rows, QStringList{"WH1"});
    EXPECT_EQ(form->feditLocation2->value().trimmed(), "WH1");

    form->feditItemNum2->setValue("a1");
    EXPECT_EQ(find(FinderField::ItemNumber, "A100"), 5);
    EXPECT_EQ(form->feditItemNum2->value().trimmed(), "A100");
    EXPECT_EQ(form->lblfeditItemDesc->text().trimmed(), "Peas");

    EXPECT_EQ(find(FinderField::ProdCode, "PRODCODE"), 3);
    EXPECT_EQ(form->feditProdCode2->value().trimmed(), "P1");

    // A typed double quote is looked for as typed; the first value comes back trimmed.
    form->feditBCustomer2->setValue("5\"");
    EXPECT_EQ(find(FinderField::Customer, "5\" PIPE", &rows), 3);
    EXPECT_EQ(rows, QStringList{"5\" PIPE"});
    EXPECT_EQ(form->feditBCustomer2->value(), "5\" PIPE");
    form->feditBCustomer2->setValue("");
    EXPECT_EQ(find(FinderField::Customer, "C"), 3);
    EXPECT_EQ(form->feditBCustomer2->value(), "C");
    EXPECT_EQ(form->lblfeditCustCode->text().trimmed(), "Cafe");
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

TEST_F(FinderCommandsTest, CancellingKeepsTheFieldAndStillSetsTheStatus) {
    const struct {
        FinderField field;
        int status;
    } cases[] = {{FinderField::LotNumber, 5},
                 {FinderField::Location, 5},
                 {FinderField::ItemNumber, 5},
                 {FinderField::ProdCode, 3},
                 {FinderField::Customer, 3}};
    for (const auto& c : cases) {
        control(c.field)->setValue("");
        form->lblfeditItemDesc->setText("kept");
        form->lblfeditCustCode->setText("kept");
        EXPECT_EQ(find(c.field, ""), c.status) << int(c.field);
        EXPECT_EQ(control(c.field)->value(), "");
        EXPECT_EQ(form->lblfeditItemDesc->text(), "kept");
        EXPECT_EQ(form->lblfeditCustCode->text(), "kept");
    }
}

TEST_F(FinderCommandsTest, KeyboardReachesTheFinderWhichOpensOnItsSearchBox) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->feditLotNum2->lineEdit()->setFocus();
    QTest::keyClick(form->feditLotNum2->lineEdit(), Qt::Key_Tab);
    QWidget* finderButton = form->feditLotNum2->findChild<QToolButton*>("finderButton");
    ASSERT_EQ(QApplication::focusWidget(), finderButton);
    const QStringList rows = withFinder([&] { QTest::keyClick(finderButton, Qt::Key_Space); },
                                        [](QDialog* dialog, QTableView* table) {
                                            auto* search =
                                                dialog->findChild<QLineEdit*>("finderSearch");
                                            EXPECT_EQ(dialog->focusWidget(), search);
                                            QTest::keyClicks(search, "lot");
                                            EXPECT_EQ(table->model()->rowCount(), 1);
                                            QTest::keyClick(search, Qt::Key_Return);
                                        });
    EXPECT_EQ(rows.size(), 2);
    EXPECT_EQ(form->feditLotNum2->value(), "LOT12345678-");
}

TEST_F(FinderCommandsTest, ClearingEmptiesCriteriaAndSummariesButNotTheList) {
    form->GoButton1->click();  // every lot, once asked
    ASSERT_EQ(form->lotList->rowCount(), 2);
    messages.entries.clear();
    const auto mark = [&] {
        for (FinderField field :
             {FinderField::LotNumber, FinderField::Location, FinderField::ItemNumber,
              FinderField::ProdCode, FinderField::Customer})
            control(field)->setValue("x");
        for (QComboBox* combo : {form->feditGrade2, form->cboCategory, form->cboPalletStatus})
            combo->setEditText("x");
        for (QLabel* label : {static_cast<QLabel*>(form->lblfeditItemDesc), form->lblNoLotsLocation,
                              form->lblStatus, static_cast<QLabel*>(form->lblfeditCustCode)})
            label->setText("x");
        for (QLineEdit* box : {form->txtQtyCustCode, form->txtQtyGrade, form->txtQtyItem,
                               form->txtQtyLocation, form->txtQtyPalletStatus, form->txtQtyProdCode,
                               form->txtQtyTotal, form->txtQtyHold, form->txtCountLots})
            box->setText("x");
    };
    // Everything the clearing writes, as text.
    const auto cleared = [&] {
        QStringList texts;
        for (FinderField field :
             {FinderField::LotNumber, FinderField::Location, FinderField::ItemNumber,
              FinderField::ProdCode, FinderField::Customer})
            texts << control(field)->value();
        for (const QComboBox* combo : {form->feditGrade2, form->cboCategory, form->cboPalletStatus})
            texts << combo->currentText();
        for (const QLabel* label :
             {static_cast<QLabel*>(form->lblfeditItemDesc), form->lblNoLotsLocation,
              form->lblStatus, static_cast<QLabel*>(form->lblfeditCustCode)})
            texts << label->text();
        for (const QLineEdit* box :
             {form->txtQtyCustCode, form->txtQtyGrade, form->txtQtyItem, form->txtQtyLocation,
              form->txtQtyPalletStatus, form->txtQtyProdCode, form->txtQtyTotal, form->txtQtyHold,
              form->txtCountLots})
            texts << box->text();
        return texts.join('|');
    };
    const QString nothingLeft = QString(12, '|') + QStringList(9, "0").join('|');
    const QString untouched = QStringList(21, "x").join('|');

    const struct {
        FinderField field;
        int statusOnEntry;
        const QString& after;
        int statusAfter;
    } cases[] = {
        {FinderField::LotNumber, 0, nothingLeft, 1}, {FinderField::Customer, 0, nothingLeft, 1},
        {FinderField::Location, 3, nothingLeft, 1},  // the location field clears regardless
        {FinderField::LotNumber, 3, untouched, 3},   {FinderField::Location, 0, nothingLeft, 1},
        {FinderField::ItemNumber, 5, untouched, 5},  {FinderField::ProdCode, 1, untouched, 1},
        {FinderField::Customer, 3, untouched, 3},
    };
    for (const auto& c : cases) {
        mark();
        int status = c.statusOnEntry;
        emit control(c.field)->buttonEvent(FieldEditControl::kClearButton, status);
        EXPECT_EQ(cleared(), c.after) << int(c.field) << " status " << c.statusOnEntry;
        EXPECT_EQ(status, c.statusAfter) << int(c.field) << " status " << c.statusOnEntry;
        EXPECT_EQ(form->lotList->rowCount(), 2);
    }
    // Other codes do nothing; a non-zero status keeps the finder closed.
    mark();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            opened = true;
            dialog->close();
        }
    });
    int status = 0;
    emit form->feditLotNum2->buttonEvent(7, status);
    status = 1;
    emit form->feditLotNum2->buttonEvent(FieldEditControl::kFinderButton, status);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(cleared(), untouched);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

}  // namespace
}  // namespace qv::app
