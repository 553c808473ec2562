// The three drop-down criteria on the real window, typed into with real key events: the search
// takes what the user typed or chose, never a list entry the box put in its place.
#include "app/form2.h"
#include "host/go_button.h"
#include "host/signon_profile.h"
#include "search/lot_list_model.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_company.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using qv::app::Form2;

class DropDownCriteriaTest : public ::testing::Test {
protected:
    void SetUp() override {
        company.addCategory("A", "Apples");
        company.addCategory("PE", "Peas");
        company.addCategory("PX", "Pods");
        company.addItem("A1", "Apple", "EA", "A");
        company.addItem("PE1", "Pea", "KG", "PE");
        company.addItem("PX1", "Pod", "EA", "PX");
        for (const char* status : {"HOLD", "REG", "REJ"})
            company.addOptionValue("PALLETSTATUS", status);
        const struct {
            const char *lot, *item, *grade, *palletStatus;
        } lots[] = {{"L1", "PE1", "NA", "REG"},
                    {"L2", "PX1", "NC", "REJ"},
                    {"L3", "A1", "A", "HOLD"},
                    {"L4", "A1", "SS", "HOLDX"},
                    {"L5", "A1", "A+", "REG"}};
        for (const auto& lot : lots) {
            company.addLot(lot.lot, lot.item, "WH1", 1);
            company.addLotField(lot.lot, "GRADE", lot.grade);
            company.addLotField(lot.lot, "PALLETSTATUS", lot.palletStatus);
        }
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), "TEST",
                                     "sqlite:" + company.path(), company.folder());
        form = std::make_unique<Form2>(messages, clipboard);
        ASSERT_TRUE(form->Form_Load());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override { QFile::remove(qv::host::signonProfilePath()); }

    QStringList lotNumbers() const {
        QStringList out;
        for (int r = 0; r < form->lotList->rowCount(); ++r)
            out << form->lotList->cellText(r, 3);
        return out;
    }
    // Types into the box as a user does, leaves it with Tab, and clicks Go.
    void typeAndSearch(QComboBox* combo, const QString& keys) {
        combo->setFocus();
        QTest::keyClicks(combo->lineEdit(), keys);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        ASSERT_FALSE(combo->lineEdit()->hasFocus());
        QTest::mouseClick(form->GoButton1, Qt::LeftButton);
    }

    qv::tests::TestCompany company;
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;
    std::unique_ptr<Form2> form;
};

TEST_F(DropDownCriteriaTest, TypedTextIsSearchedAsTyped) {
    const struct {
        const char* what;
        std::function<QComboBox*(Form2&)> combo;
        QString typed;
        QString clause;
        QStringList lots;
    } cases[] = {
        // A prefix of an entry: "NA" and "NC" both start with it.
        {"grade prefix",
         [](Form2& f) { return f.feditGrade2; },
         "n",
         "(dbo.OPTGRADE.GRADE LIKE '%n%')",
         {"L1", "L2"}},
        {"grade part",
         [](Form2& f) { return f.feditGrade2; },
         "+",
         "(dbo.OPTGRADE.GRADE LIKE '%+%')",
         {"L5"}},
        {"grade case",
         [](Form2& f) { return f.feditGrade2; },
         "ss",
         "(dbo.OPTGRADE.GRADE LIKE '%ss%')",
         {"L4"}},
        // The pallet status is searched in upper case, whatever the box shows.
        {"pallet status prefix",
         [](Form2& f) { return f.cboPalletStatus; },
         "re",
         "(dbo.OPTPALLETSTATUS.PALLETSTATUS LIKE '%RE%')",
         {"L1", "L2", "L5"}},
        {"pallet status part",
         [](Form2& f) { return f.cboPalletStatus; },
         "ol",
         "(dbo.OPTPALLETSTATUS.PALLETSTATUS LIKE '%OL%')",
         {"L3", "L4"}},
        {"pallet status case",
         [](Form2& f) { return f.cboPalletStatus; },
         "hold",
         "(dbo.OPTPALLETSTATUS.PALLETSTATUS LIKE '%HOLD%')",
         {"L3", "L4"}},
        // The category is the first two characters of the box's text.
        {"category prefix",
         [](Form2& f) { return f.cboCategory; },
         "P",
         "(dbo.ICITEM.CATEGORY LIKE '%P%')",
         {"L1", "L2"}},
        {"category part",
         [](Form2& f) { return f.cboCategory; },
         "X",
         "(dbo.ICITEM.CATEGORY LIKE '%X%')",
         {"L2"}},
        {"category case",
         [](Form2& f) { return f.cboCategory; },
         "pe - peas",
         "(dbo.ICITEM.CATEGORY LIKE '%pe%')",
         {"L1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QComboBox* combo = c.combo(*form);
        combo->setEditText(QString());
        typeAndSearch(combo, c.typed);
        EXPECT_EQ(combo->currentText().toStdString(), c.typed.toStdString());
        const QString statement = form->txtSQLQuery->toPlainText();
        EXPECT_TRUE(statement.contains(c.clause))
            << statement.mid(statement.indexOf("WHERE")).toStdString();
        EXPECT_EQ(lotNumbers().join(' ').toStdString(), c.lots.join(' ').toStdString());
        combo->setEditText(QString());
    }
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
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
        EXPECT_EQ(combo->currentText().toStdString(), second.data().toString().toStdString());
        EXPECT_FALSE(list->isVisible());
    }
    QTest::mouseClick(form->GoButton1, Qt::LeftButton);
    // "A+" of the grades, "REG" of the statuses, "PE - Peas" of the categories.
    EXPECT_TRUE(form->txtSQLQuery->toPlainText().contains("(dbo.ICITEM.CATEGORY LIKE '%PE%')"));
    EXPECT_EQ(lotNumbers().join(' ').toStdString(), "");
    form->feditGrade2->setEditText(QString());
    QTest::mouseClick(form->GoButton1, Qt::LeftButton);
    EXPECT_EQ(lotNumbers().join(' ').toStdString(), "L1");
}

}  // namespace
