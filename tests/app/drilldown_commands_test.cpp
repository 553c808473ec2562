// The drill-down on the real window, offscreen: double-clicks on the cells of a searched lot
// list, and the summaries behind them. Which header runs which steps is the plan's own test,
// the hit test's geometry the list hit's.
#include "app/drilldown_commands.h"
#include "app/clickable_label.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

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
        form->GoButton1->click();  // every lot, once asked, in the order stored
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
    // Double-clicks a cell, scrolled into view; a row or column past the last is a point
    // below the rows or beside the columns.
    void doubleClick(int row, int column) {
        const QModelIndex cell = form->lotList->index(std::min(row, 2), std::min(column, 17));
        form->ListView1->scrollTo(cell);
        const QRect rect = form->ListView1->visualRect(cell);
        tests::doubleClick(form->ListView1, rect.center() + QPoint(column > 17 ? rect.width() : 0,
                                                                   row > 2 ? 50 : 0));
    }
};

TEST_F(DrillDownTest, DoubleClicksRunEachKindOfStepAndLeaveNoLineShown) {
    const struct {
        int row, column;  // row 0: LOT12345001, row 1: L2
        QString changes;  // "name=value ..."; everything else stays as it was
    } cases[] = {
        // Location: two lots of level 1 at WH1.
        {0, 1, "feditLocation2=WH1 txtQtyLocation=15 lblNoLotsLocation=2 clipboard=WH1"},
        // Item Number: one row per optional field of the item's lots.
        {0, 2, "feditItemNum2=A100 txtQtyItem=48 lblfeditItemDesc=Peas clipboard=A100"},
        {0, 3, "feditLotNum2=LOT12345 clipboard=LOT12345001"},
        {1, 3, "feditLotNum2= clipboard=L2"},  // too short for a suffix
        {0, 7, "feditGrade2=A txtQtyGrade=12 clipboard=A"},
        {0, 8, "feditProdCode2=P1 txtQtyProdCode=12"},  // the clipboard stays
        {0, 9, "feditBCustomer2=C1 txtQtyCustCode=12 clipboard=C1"},
        // Hold: the summary of "B-Hold" (none), the status from the next cell.
        {0, 10,
         "txtQtyHold= txtQtyPalletStatus= cboPalletStatus=HOLD lblfeditItemDesc=Peas "
         "clipboard=(empty)"},
        {0, 11, "txtQtyHold=15 txtQtyPalletStatus=2 cboPalletStatus=HOLD clipboard=HOLD"},
        // The Pick column only says so; below the rows or beside the columns, nothing.
        {0, 0, ""},
        {3, 1, ""},
        {0, 18, ""},
    };
    for (const auto& c : cases) {
        std::map<QString, QString> expected = state("x");
        expected["lblFocusedIndex"] = "";  // the double-click's own release shows no line
        for (const QString& change : c.changes.split(' ', Qt::SkipEmptyParts))
            expected[change.section('=', 0, 0)] = change.section('=', 1);
        doubleClick(c.row, c.column);
        EXPECT_EQ(state(), expected) << c.row << ' ' << c.column;
    }
    EXPECT_EQ(messages.texts(), QStringList({"JJJJJ"}));
}

TEST_F(DrillDownTest, AFailingSummaryKeepsItsBoxAndTheStepsBeforeIt) {
    company.addLot("BIG", "B200", "WH1", 3e9);  // the location total leaves 32 bits
    form->txtQtyLocation->setText("7");
    doubleClick(1, 1);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(messages.entries[0].text.startsWith("Drilling down: "));
    EXPECT_TRUE(messages.entries[0].text.contains("32-bit"));
    EXPECT_EQ(form->feditLocation2->value(), "WH1");
    EXPECT_EQ(form->txtQtyLocation->text(), "7");
    EXPECT_EQ(clipboard.contents, "before");
}

TEST_F(DrillDownTest, CustomerSummaryAndItemDescriptionTakeTheFieldAsTyped) {
    // The customer summary reads its field, not its argument.
    form->feditBCustomer2->setValue("C1");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "OTHER"), "12");
    form->feditBCustomer2->setValue("OTHER");
    EXPECT_EQ(GetQty(*form, drilldown::Summary::CustCode, "C1"), "");
    form->feditItemNum2->setValue("a100  ");  // the database ignores case and trailing blanks
    EXPECT_EQ(form->lblfeditItemDesc->text().left(4), "Peas");
    EXPECT_EQ(messages.texts(), QStringList());
}

}  // namespace
}  // namespace qv::app
