// The finder and clearing buttons of the criteria fields on the real window, offscreen. What a
// code and status do, the keys that reach the buttons, each finder's filter, and what a chosen
// row gives each field, are the host's own tests.
#include "app/finder_commands.h"
#include "app/clickable_label.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

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
        company.addLot("LOT12345678-001", "A100", "WH1", 12);
        company.addLotField("LOT12345678-001", "PRODCODE", "P1");
        company.addLot("AB", "A100", "WH1", 1);
        company.addOptionValue("CUSTCODE", " C ", "Cafe ");
        ASSERT_NO_FATAL_FAILURE(signOn());
    }
};

TEST_F(FinderCommandsTest, ChosenValuesFillTheFieldAndItsLabelCancellingKeepsThem) {
    const struct {
        Field field;
        QString typed, choose;  // nothing to choose: cancelled
        int status;
        QString value, labels;  // the item's description and the customer's
    } cases[] = {
        {&Form2::feditLotNum2, "LOT1", "LOT12345678-001", 5, "LOT12345678-", "kept|kept"},
        // Trimmed into the filter; the inactive location is left out.
        {&Form2::feditLocation2, " WH ", "WH1", 5, "WH1", "kept|kept"},
        {&Form2::feditItemNum2, "a1", "A100", 5, "A100", "Peas|kept"},
        {&Form2::feditProdCode2, "", "PRODCODE", 3, "P1", "kept|kept"},
        {&Form2::feditBCustomer2, "", "C", 3, "C", "kept|Cafe"},
        {&Form2::feditBCustomer2, "", "", 3, "", "kept|kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.typed + '>' + c.choose).toStdString());
        FieldEditControl* field = form.get()->*c.field;
        field->setValue(c.typed);
        form->lblfeditItemDesc->setText("kept");
        form->lblfeditCustCode->setText("kept");
        int status = -1;
        const QStringList rows = tests::withFinder(
            [&] { status = field->pressButton(FieldEditControl::kFinderButton); },
            [&](QDialog* dialog, QTableView* table) {
                // The finder opens on its search box: typing narrows the list at once.
                EXPECT_EQ(dialog->focusWidget()->objectName(), "finderSearch");
                const QStringList firsts = tests::columnTexts(table);
                table->setCurrentIndex(table->model()->index(firsts.indexOf(c.choose), 0));
                QTest::keyClick(dialog->focusWidget(),
                                c.choose.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            });
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(field->value().trimmed(), c.value);
        EXPECT_EQ(form->lblfeditItemDesc->text().trimmed() + '|' +
                      form->lblfeditCustCode->text().trimmed(),
                  c.labels);
        if (field == form->feditLocation2) {
            EXPECT_EQ(rows, QStringList{"WH1"});
        }
    }
    EXPECT_EQ(messages.texts(), QStringList());
}

// Clearing empties what "Clear All" does (the search commands' test), but not the list.
TEST_F(FinderCommandsTest, ClearingEmptiesCriteriaAndSummariesButNotTheList) {
    form->GoButton1->click();  // every lot, once asked
    ASSERT_EQ(form->lotList->rowCount(), 2);
    messages.entries.clear();
    tests::controlTexts({form->feditLocation2, form->txtQtyTotal}, "x");
    EXPECT_EQ(form->feditBCustomer2->pressButton(FieldEditControl::kClearButton), 1);
    EXPECT_EQ(form->feditLocation2->value() + form->txtQtyTotal->text(), "0");
    EXPECT_EQ(form->lotList->rowCount(), 2);
    EXPECT_EQ(messages.texts(), QStringList());
}

}  // namespace
}  // namespace qv::app
