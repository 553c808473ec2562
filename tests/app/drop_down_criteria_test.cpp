// The three drop-down criteria on the real window, typed into with real key events: the search
// takes what the user typed or chose, never a list entry the box put in its place.
#include "host/go_button.h"
#include "tests/app/signed_on_window.h"

#include <QAbstractItemView>

#include <tuple>

namespace {

using qv::app::Form2;

class DropDownCriteriaTest : public qv::tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        for (const auto& [code, desc] : {std::pair{"A", "Apples"}, {"PE", "Peas"}, {"PX", "Pods"}})
            company.addCategory(code, desc);
        company.addItem("PE1", "Pea", "KG", "PE");
        company.addItem("PX1", "Pod", "EA", "PX");
        for (const char* status : {"REG", "REJ"})
            company.addOptionValue("PALLETSTATUS", status);
        for (const auto& [lot, item, grade, palletStatus] :
             {std::tuple{"L1", "PE1", "NA", "REG"}, {"L2", "PX1", "NC", "REJ"}}) {
            company.addLot(lot, item, "WH1", 1);
            company.addLotField(lot, "GRADE", grade);
            company.addLotField(lot, "PALLETSTATUS", palletStatus);
        }
        ASSERT_NO_FATAL_FAILURE(signOn());
        ASSERT_NO_FATAL_FAILURE(showWindow());
    }

    // Clicks Go; the lots found, in one text.
    std::string search() {
        QTest::mouseClick(form->GoButton1, Qt::LeftButton);
        return qv::tests::columnTexts(form->ListView1, 3).join(' ').toStdString();
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
        {&Form2::cboPalletStatus, "re", "L1 L2"},
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

// Without a completer (so typed text stays as typed), choosing still sets the box's text.
TEST_F(DropDownCriteriaTest, ChoosingAnEntryPutsItsTextInTheBox) {
    QComboBox* combo = form->cboCategory;
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), "x");
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex peas = list->model()->index(1, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(peas).center());
    EXPECT_EQ(combo->currentText(), "PE - Peas");
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(search(), "L1");
}

}  // namespace
