// The drill-down on the real window, offscreen: double-clicks on the cells of a searched lot
// list, and the summaries behind them. Which header runs which steps is the plan's own test.
#include "app/drilldown_commands.h"
#include "app/clickable_label.h"
#include "app/search_commands.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

#include <QHeaderView>

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
        ASSERT_NO_FATAL_FAILURE(showWindow());
        form->GoButton1->click();  // every lot, once asked
        ASSERT_EQ(form->lotList->rowCount(), 3);
        messages.entries.clear();
        clipboard.contents = "before";
    }

    // Every control a double-click may write, and the clipboard, after marking them when asked.
    std::map<QString, QString> state(const char* mark = nullptr) {
        if (mark)
            clipboard.contents = "before";
        std::map<QString, QString> s = tests::controlTexts(
            {form->feditLocation2, form->feditItemNum2, form->feditLotNum2, form->feditProdCode2,
             form->feditBCustomer2, form->feditGrade2, form->cboPalletStatus, form->txtQtyLocation,
             form->txtQtyItem, form->txtQtyGrade, form->txtQtyProdCode, form->txtQtyCustCode,
             form->txtQtyHold, form->txtQtyPalletStatus, form->lblfeditItemDesc,
             form->lblNoLotsLocation, form->lblFocusedIndex},
            mark);
        s["clipboard"] = clipboard.contents.value_or("(empty)");
        return s;
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
    void doubleClick(const QString& lot, int column) {
        tests::doubleClick(form->ListView1, cellCentre(rowOf(lot), column));
    }
    // Remembers a position as the mouse would, then runs the handler itself, the focus away.
    void drillAt(QPoint point) {
        form->feditLocation2->lineEdit()->setFocus();
        rememberListMouse(*form, point);
        ListView1_DblClick(*form);
    }
};

TEST_F(DrillDownTest, DoubleClicksRunEachKindOfStepAndLeaveNoLineShown) {
    const struct {
        QString lot;
        int column;
        QString changes;  // "name=value ..."; everything else stays as it was
    } cases[] = {
        // Location: two lots of level 1 at WH1.
        {"LOT12345001", 1,
         "feditLocation2=WH1 txtQtyLocation=15 lblNoLotsLocation=2 clipboard=WH1"},
        // Item Number: one row per optional field of the item's lots.
        {"LOT12345001", 2, "feditItemNum2=A100 txtQtyItem=48 lblfeditItemDesc=Peas clipboard=A100"},
        {"LOT12345001", 3, "feditLotNum2=LOT12345 clipboard=LOT12345001"},
        {"L2", 3, "feditLotNum2= clipboard=L2"},  // too short for a suffix
        {"LOT12345001", 7, "feditGrade2=A txtQtyGrade=12 clipboard=A"},
        {"LOT12345001", 8, "feditProdCode2=P1 txtQtyProdCode=12"},  // the clipboard stays
        {"LOT12345001", 9, "feditBCustomer2=C1 txtQtyCustCode=12 clipboard=C1"},
        // Hold: the summary of "B-Hold" (none), the status from the next cell.
        {"LOT12345001", 10,
         "txtQtyHold= txtQtyPalletStatus= cboPalletStatus=HOLD lblfeditItemDesc=Peas "
         "clipboard=(empty)"},
        {"LOT12345001", 11,
         "txtQtyHold=15 txtQtyPalletStatus=2 cboPalletStatus=HOLD clipboard=HOLD"},
        {"LOT12345001", 17, "clipboard="},  // no production date: an empty text copied
    };
    for (const auto& c : cases) {
        std::map<QString, QString> expected = state("x");
        expected["lblFocusedIndex"] = "";  // the double-click's own release shows no line
        for (const QString& change : c.changes.split(' '))
            expected[change.section('=', 0, 0)] = change.section('=', 1);
        doubleClick(c.lot, c.column);
        EXPECT_EQ(state(), expected) << c.lot.toStdString() << ' ' << c.column;
    }
    EXPECT_EQ(messages.texts(), QStringList());
}

TEST_F(DrillDownTest, PickBelowTheRowsAndBesideTheColumnsChangeNothingACellTakesTheFocus) {
    const QPoint pick = cellCentre(0, 0);
    const QPoint belowLastRow = cellCentre(2, 1) + QPoint(0, 50);
    const int y = cellCentre(0, 1).y();  // scrolled to the first columns, as the others are
    const QHeaderView* header = form->ListView1->horizontalHeader();
    const QPoint besideColumns(header->sectionViewportPosition(17) + header->sectionSize(17) + 5,
                               y);
    for (const QPoint& point : {pick, belowLastRow, besideColumns}) {
        std::map<QString, QString> expected = state("x");
        expected["lblFocusedIndex"] = "";
        drillAt(point);
        EXPECT_EQ(state(), expected);
        EXPECT_EQ(form->focusWidget(), form->feditLocation2->lineEdit());
    }
    EXPECT_EQ(messages.texts(), QStringList({"JJJJJ"}));  // the Pick column's only
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    drillAt(cellCentre(0, 5));  // a cell: the list takes the focus
    EXPECT_EQ(form->focusWidget(), form->ListView1);
}

TEST_F(DrillDownTest, AFailingSummaryKeepsItsBoxAndTheStepsBeforeIt) {
    company.addLot("BIG", "B200", "WH1", 3e9);  // the location total leaves 32 bits
    form->txtQtyLocation->setText("7");
    form->lblNoLotsLocation->setText("1");
    doubleClick("L2", 1);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    EXPECT_TRUE(messages.entries[0].text.startsWith("Drilling down: "));
    EXPECT_TRUE(messages.entries[0].text.contains("32-bit"));
    EXPECT_EQ(form->feditLocation2->value(), "WH1");
    EXPECT_EQ(form->txtQtyLocation->text() + form->lblNoLotsLocation->text(), "71");
    EXPECT_EQ(clipboard.contents, "before");
}

TEST_F(DrillDownTest, CustomerSummaryAndItemDescriptionTakeTheFieldAsTyped) {
    // The customer summary reads its field, not its argument.
    form->feditBCustomer2->setValue("C1");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "OTHER"), "12");
    form->feditBCustomer2->setValue("OTHER");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "C1"), "");
    QTest::keyClicks(form->feditItemNum2->lineEdit(), "A100");
    EXPECT_EQ(form->lblfeditItemDesc->text().left(4), "Peas");
    QTest::keyClick(form->feditItemNum2->lineEdit(), Qt::Key_0);
    EXPECT_EQ(form->lblfeditItemDesc->text(), "");
    form->feditItemNum2->setValue("a100  ");  // the database ignores case and trailing blanks
    EXPECT_EQ(form->lblfeditItemDesc->text().left(4), "Peas");
    EXPECT_EQ(messages.texts(), QStringList());
}

}  // namespace
}  // namespace qv::app
