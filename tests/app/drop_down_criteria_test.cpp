// The three drop-down criteria on the real window, typed into with real key events: the search
// takes what the user typed or chose, never a list entry the box put in its place.
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

using qv::app::Form2;

class DropDownCriteriaTest : public qv::tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        for (const auto& [code, desc] : {std::pair{"A", "Apples"}, {"PE", "Peas"}, {"PX", "Pods"}})
            company.addCategory(code, desc);
        company.addItem("A1", "Apple", "EA", "A");
        company.addItem("PE1", "Pea", "KG", "PE");
        company.addItem("PX1", "Pod", "EA", "PX");
        for (const char* status : {"HOLD", "REG", "REJ"})
            company.addOptionValue("PALLETSTATUS", status);
        const struct {
            const char *lot, *item, *grade, *palletStatus;
        } lots[] = {
            {"L1", "PE1", "NA", "REG"}, {"L2", "PX1", "NC", "REJ"}, {"L3", "A1", "A+", "REG"}};
        for (const auto& lot : lots) {
            company.addLot(lot.lot, lot.item, "WH1", 1);
            company.addLotField(lot.lot, "GRADE", lot.grade);
            company.addLotField(lot.lot, "PALLETSTATUS", lot.palletStatus);
        }
        ASSERT_NO_FATAL_FAILURE(signOn());
        ASSERT_NO_FATAL_FAILURE(showWindow());
    }

    // Clicks Go; the lots found, in one text.
    std::string search() {
        QTest::mouseClick(form->GoButton1, Qt::LeftButton);
        QStringList lots;
        for (int r = 0; r < form->lotList->rowCount(); ++r)
            lots << form->lotList->cellText(r, 3);
        return lots.join(' ').toStdString();
    }
};

// Each typed text is the start of an entry ("NA", "REG", "PE - Peas"), which the search must
// not take in its place. (The statement's own tests cover the clauses.)
TEST_F(DropDownCriteriaTest, TypedTextIsSearchedAsTyped) {
    const struct {
        QComboBox* Form2::*combo;
        QString typed;
        std::string lots;
    } cases[] = {
        {&Form2::feditGrade2, "n", "L1 L2"},
        {&Form2::cboPalletStatus, "re", "L1 L2 L3"},
        {&Form2::cboCategory, "P", "L1 L2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QComboBox* combo = form.get()->*c.combo;
        combo->setFocus();
        QTest::keyClicks(combo->lineEdit(), c.typed);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);  // leaving the box keeps the text
        ASSERT_FALSE(combo->lineEdit()->hasFocus());
        EXPECT_EQ(search(), c.lots);
        EXPECT_EQ(combo->currentText(), c.typed);
        combo->setEditText(QString());
    }
    EXPECT_EQ(messages.texts(), QStringList());
}

TEST_F(DropDownCriteriaTest, ChoosingAnEntryPutsItsTextInTheBox) {
    for (QComboBox* combo : {form->feditGrade2, form->cboPalletStatus, form->cboCategory}) {
        SCOPED_TRACE(combo->objectName().toStdString());
        combo->setFocus();
        QTest::keyClicks(combo->lineEdit(), "x");
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QModelIndex second = list->model()->index(1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(second).center());
        EXPECT_EQ(combo->currentText(), second.data().toString());
        EXPECT_FALSE(list->isVisible());
    }
    // "A+" of the grades, "REG" of the statuses, "PE - Peas" of the categories.
    EXPECT_EQ(search(), "");
    form->feditGrade2->setEditText(QString());
    EXPECT_EQ(search(), "L1");
}

}  // namespace
