// The drill-down on the real window, offscreen: double-clicks on the cells of a searched lot
// list, and the summaries behind them.
#include "app/drilldown_commands.h"
#include "app/clickable_label.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "platform/twips.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace qv::app {
namespace {

class DrillDownTest : public tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        company.addItem("A100", "Peas", "KG", "B");
        company.addItem("B200", "Beans", "EA", "C");
        company.addLot("LOT12345001", "A100", "WH1", 12);
        for (const auto& [field, value] : {std::pair{"GRADE", "A"},
                                           {"PRODCODE", "P1"},
                                           {"CUSTCODE", "C1"},
                                           {"PALLETSTATUS", "HOLD"}})
            company.addLotField("LOT12345001", field, value);
        company.addLot("L2", "B200", "WH1", 3);
        company.addLotField("L2", "PALLETSTATUS", "HOLD");
        company.addLot("L3", "B200", "WH2", 5);  // no optional fields at all
        ASSERT_NO_FATAL_FAILURE(signOn());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->GoButton1->click();  // every lot, once asked
        ASSERT_EQ(form->lotList->rowCount(), 3);
        messages.entries.clear();
        clipboard.contents = "before";
    }

    // Every control a double-click may write, by name.
    std::map<QString, QString> state() const {
        std::map<QString, QString> s;
        for (const host::FieldEditControl* field :
             {form->feditLocation2, form->feditItemNum2, form->feditLotNum2, form->feditProdCode2,
              form->feditBCustomer2})
            s[field->objectName()] = field->value();
        for (const QComboBox* combo : {form->feditGrade2, form->cboPalletStatus})
            s[combo->objectName()] = combo->currentText();
        for (const QLineEdit* box :
             {form->txtQtyLocation, form->txtQtyItem, form->txtQtyGrade, form->txtQtyProdCode,
              form->txtQtyCustCode, form->txtQtyHold, form->txtQtyPalletStatus})
            s[box->objectName()] = box->text();
        for (const QLabel* label : {static_cast<QLabel*>(form->lblfeditItemDesc),
                                    form->lblNoLotsLocation, form->lblFocusedIndex})
            s[label->objectName()] = label->text();
        s["clipboard"] = clipboard.contents.value_or("(empty)");
        return s;
    }

    // Puts "x" in every control a double-click may write and "before" on the clipboard.
    void markEverything() {
        for (host::FieldEditControl* field :
             {form->feditLocation2, form->feditItemNum2, form->feditLotNum2, form->feditProdCode2,
              form->feditBCustomer2})
            field->setValue("x");
        for (QComboBox* combo : {form->feditGrade2, form->cboPalletStatus})
            combo->setEditText("x");
        for (QLineEdit* box :
             {form->txtQtyLocation, form->txtQtyItem, form->txtQtyGrade, form->txtQtyProdCode,
              form->txtQtyCustCode, form->txtQtyHold, form->txtQtyPalletStatus})
            box->setText("x");
        for (QLabel* label : {static_cast<QLabel*>(form->lblfeditItemDesc), form->lblNoLotsLocation,
                              form->lblFocusedIndex})
            label->setText("x");
        clipboard.contents = "before";
    }

    int rowOf(const QString& lot) const {
        for (int row = 0; row < form->lotList->rowCount(); ++row) {
            if (form->lotList->cellText(row, 3) == lot)
                return row;
        }
        return -1;
    }
    QPoint cellCentre(int row, int column) const {
        const QModelIndex cell = form->lotList->index(row, column);
        form->ListView1->scrollTo(cell);
        return form->ListView1->visualRect(cell).center();
    }
    // As a mouse does it: the first click, whose press the window remembers, then the
    // double-click and its release.
    void doubleClick(QPoint point) {
        QWidget* rows = form->ListView1->viewport();
        QTest::mouseClick(rows, Qt::LeftButton, {}, point);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, point);
        QTest::mouseRelease(rows, Qt::LeftButton, {}, point);
    }
    void doubleClick(int row, int column) { doubleClick(cellCentre(row, column)); }
    // Remembers a position as the mouse would, then runs the handler itself.
    void drillAt(QPoint point) {
        form->ListMouseX = float(point.x() * platform::kTwipsPerPixel);
        form->ListMouseY = float(point.y() * platform::kTwipsPerPixel);
        ListView1_DblClick(*form);
    }
};

TEST_F(DrillDownTest, EachHeaderFillsItsFieldSummaryLabelAndClipboard) {
    const int row = rowOf("LOT12345001");
    const struct {
        int column;
        std::map<QString, QString> changes;  // everything else stays as it was
    } cases[] = {
        {1,  // Location: two lots of level 1 at WH1
         {{"feditLocation2", "WH1"},
          {"txtQtyLocation", "15"},
          {"lblNoLotsLocation", "2"},
          {"clipboard", "WH1"}}},
        {2,  // Item Number: one row per optional field of the item's lots
         {{"feditItemNum2", "A100"},
          {"txtQtyItem", "48"},
          {"lblfeditItemDesc", "Peas"},
          {"clipboard", "A100"}}},
        {3, {{"feditLotNum2", "LOT12345"}, {"clipboard", "LOT12345001"}}},
        {4, {{"clipboard", "12.00 "}}},
        {5, {{"clipboard", "2024-01-01"}}},
        {6, {{"clipboard", "2025-12-31"}}},
        {7, {{"feditGrade2", "A"}, {"txtQtyGrade", "12"}, {"clipboard", "A"}}},
        {8, {{"feditProdCode2", "P1"}, {"txtQtyProdCode", "12"}}},  // the clipboard stays
        {9, {{"feditBCustomer2", "C1"}, {"txtQtyCustCode", "12"}, {"clipboard", "C1"}}},
        {10,  // Hold: the summary of "B-Hold" (none), the status from the next cell
         {{"txtQtyHold", ""},
          {"txtQtyPalletStatus", ""},
          {"cboPalletStatus", "HOLD"},
          {"lblfeditItemDesc", "Peas"},
          {"clipboard", "(empty)"}}},
        {11,
         {{"txtQtyHold", "15"},
          {"txtQtyPalletStatus", "2"},
          {"cboPalletStatus", "HOLD"},
          {"clipboard", "HOLD"}}},
        {12, {{"clipboard", "HOLD"}}},
        {13, {{"clipboard", "(empty)"}}},
        {14, {{"lblfeditItemDesc", "Peas"}, {"clipboard", "Peas"}}},
        {15, {{"clipboard", "(empty)"}}},
        {16, {{"clipboard", "(empty)"}}},
        {17, {{"clipboard", ""}}},  // no production date: an empty text copied
    };
    for (const auto& c : cases) {
        markEverything();
        std::map<QString, QString> expected = state();
        expected["lblFocusedIndex"] = "";
        for (const auto& [name, value] : c.changes)
            expected[name] = value;
        form->feditLocation2->lineEdit()->setFocus();

        drillAt(cellCentre(row, c.column));
        const QString header = form->lotList->headerData(c.column, Qt::Horizontal).toString();
        EXPECT_EQ(state(), expected) << header.toStdString();
        EXPECT_EQ(form->focusWidget(), form->ListView1) << header.toStdString();
    }
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

TEST_F(DrillDownTest, PickBelowTheRowsAndBesideTheColumnsChangeNothing) {
    form->lblFocusedIndex->setText("Line: 1");
    const std::map<QString, QString> before = state();
    form->feditLocation2->lineEdit()->setFocus();

    const QPoint pick = cellCentre(0, 0);
    drillAt(pick);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    EXPECT_EQ(messages.entries[0].text, "JJJJJ");
    std::map<QString, QString> expected = before;
    expected["lblFocusedIndex"] = "";
    EXPECT_EQ(state(), expected);

    const QPoint belowLastRow(cellCentre(2, 1).x(), cellCentre(2, 1).y() + 50);
    const QHeaderView* header = form->ListView1->horizontalHeader();
    const QPoint besideColumns(header->sectionViewportPosition(17) + header->sectionSize(17) + 5,
                               cellCentre(0, 1).y());
    for (const QPoint& point : {belowLastRow, besideColumns}) {
        form->lblFocusedIndex->setText("Line: 1");
        drillAt(point);
        EXPECT_EQ(state(), expected);
    }
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(form->focusWidget(), form->feditLocation2->lineEdit());
}

TEST_F(DrillDownTest, EmptyCellsRunTheirRowAndShortLotNumbersEmptyTheField) {
    const int row = rowOf("L3");
    doubleClick(row, 7);  // no grade: the empty grade's summary, which holds nothing
    EXPECT_EQ(form->feditGrade2->currentText(), "");
    EXPECT_EQ(form->txtQtyGrade->text(), "");
    EXPECT_EQ(clipboard.contents, "");

    form->feditLotNum2->setValue("x");
    doubleClick(rowOf("L2"), 3);
    EXPECT_EQ(form->feditLotNum2->value(), "");
    EXPECT_EQ(clipboard.contents, "L2");
    // The double-click's own release shows no line: the drill-down has emptied it.
    EXPECT_EQ(form->lblFocusedIndex->text(), "");
}

TEST_F(DrillDownTest, AFailingSummaryKeepsItsBoxAndTheStepsBeforeIt) {
    company.addLot("BIG", "B200", "WH1", 3e9);  // the location total leaves 32 bits
    form->txtQtyLocation->setText("7");
    form->lblNoLotsLocation->setText("1");
    doubleClick(rowOf("L2"), 1);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    EXPECT_TRUE(messages.entries[0].text.startsWith("Drilling down: "));
    EXPECT_TRUE(messages.entries[0].text.contains("32-bit"));
    EXPECT_EQ(form->feditLocation2->value(), "WH1");
    EXPECT_EQ(form->txtQtyLocation->text(), "7");
    EXPECT_EQ(form->lblNoLotsLocation->text(), "1");
    EXPECT_EQ(clipboard.contents, "before");
}

TEST_F(DrillDownTest, CustomerSummaryReadsTheFieldNotItsArgument) {
    form->feditBCustomer2->setValue("C1");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "OTHER"), "12");
    form->feditBCustomer2->setValue("OTHER");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "C1"), "");
    // An apostrophe is looked for as typed.
    form->feditBCustomer2->setValue("O'BRIEN");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "C1"), "");
}

TEST_F(DrillDownTest, ItemDescriptionFollowsTheItemNumber) {
    const QString peas =
        QString("Peas").leftJustified(60) + "   " + QString("KG").leftJustified(10);
    QTest::keyClicks(form->feditItemNum2->lineEdit(), "A100");
    EXPECT_EQ(form->lblfeditItemDesc->text(), peas);
    QTest::keyClick(form->feditItemNum2->lineEdit(), Qt::Key_0);
    EXPECT_EQ(form->lblfeditItemDesc->text(), "");
    form->feditItemNum2->setValue("a100  ");  // the database ignores case and trailing blanks
    EXPECT_EQ(form->lblfeditItemDesc->text(), peas);
    form->feditItemNum2->setValue("O'B");
    EXPECT_EQ(form->lblfeditItemDesc->text(), "");
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

}  // namespace
}  // namespace qv::app
