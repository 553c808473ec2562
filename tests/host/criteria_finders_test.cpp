#include "host/criteria_finders.h"
#include "host/session.h"
#include "tests/host/sample_company.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv::host {
namespace {

TEST(CriteriaFinders, FilterCarriesTheValueTrimmedOrAsTyped) {
    const struct {
        FinderField field;
        const char* value;
        const char* filter;
    } cases[] = {
        {FinderField::LotNumber, "12", R"((LOTNUM LIKE "%12%" AND QTYLEVEL = 1))"},
        {FinderField::LotNumber, "", R"((LOTNUM LIKE "%%" AND QTYLEVEL = 1))"},
        {FinderField::LotNumber, " 12 ", R"((LOTNUM LIKE "% 12 %" AND QTYLEVEL = 1))"},
        {FinderField::Location, " A1 ", R"((LOCATION LIKE "%A1%") AND (INACTIVE = 0))"},
        {FinderField::ItemNumber, " A1 ", R"((ITEMNO LIKE "%A1%"))"},
        {FinderField::ProdCode, " P ",
         R"((OPTFIELD = "PRODCODE") AND (VALUE LIKE "% P %") AND (VALIFTEXT > "   "))"},
        {FinderField::Customer, " C ", R"((OPTFIELD = "CUSTCODE") AND (VALUE LIKE "% C %"))"},
        // A double quote is doubled: the filter language reads it back as one.
        {FinderField::ItemNumber, R"( 5" PIPE)", R"((ITEMNO LIKE "%5"" PIPE%"))"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(finderFilter(criteriaFinder(c.field), c.value).toStdString(), c.filter);
}

TEST(CriteriaFinders, ButtonCodeAndStatusDecideWhatHappens) {
    const struct {
        FinderField field;
        int code;
        int status;
        ButtonAction action;
    } cases[] = {
        {FinderField::LotNumber, 4, 0, ButtonAction::Find},
        {FinderField::LotNumber, 5, 0, ButtonAction::Clear},
        {FinderField::LotNumber, 4, 1, ButtonAction::None},
        {FinderField::LotNumber, 5, 3, ButtonAction::None},
        {FinderField::Customer, 5, 1, ButtonAction::None},
        {FinderField::Location, 5, 3, ButtonAction::Clear},  // clears whatever the status
        {FinderField::Location, 4, 3, ButtonAction::None},
        {FinderField::ItemNumber, 7, 0, ButtonAction::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buttonAction(criteriaFinder(c.field), c.code, c.status), c.action)
            << int(c.field) << " code " << c.code << " status " << c.status;
}

TEST(CriteriaFinders, ChosenValuesGoToTheFieldAndItsLabel) {
    const struct {
        FinderField field;
        QStringList returned;
        std::optional<QString> value;
        std::optional<QString> label;
    } cases[] = {
        {FinderField::LotNumber, {"ABC12XYZ", "A100"}, "ABC12", std::nullopt},
        {FinderField::LotNumber, {"XYZ"}, "", std::nullopt},
        {FinderField::LotNumber, {"AB"}, "", std::nullopt},  // no suffix to drop
        {FinderField::Location, {"A1    ", "Aisle"}, "A1    ", std::nullopt},
        {FinderField::ItemNumber, {"A100", "Peas "}, "A100", "Peas "},
        {FinderField::ProdCode, {"PRODCODE", "P-1", "A100"}, "P-1", std::nullopt},
        {FinderField::Customer, {" C ", " Cafe "}, "C", " Cafe "},
        {FinderField::Customer, {}, std::nullopt, std::nullopt},  // cancelled
    };
    for (const auto& c : cases) {
        const FinderChoice choice = finderChoice(c.field, c.returned);
        EXPECT_EQ(choice.fieldValue, c.value) << c.returned.join('|').toStdString();
        EXPECT_EQ(choice.label, c.label) << c.returned.join('|').toStdString();
    }
}

class CriteriaFinderDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        tests::fillSampleCompany(company);
        session = tests::sessionOn(company);
    }

    struct Shown {
        QStringList rows;  // the first two columns of every row, trimmed
        int statusWhileOpen = -1;
        QStringList returned;
        int statusAfter = -1;
    };

    // Opens the field's finder on value; chooses the row holding `choose` (Enter) or, when
    // it is empty, cancels (Escape).
    Shown show(FinderField field, const QString& value, const QString& choose) {
        Shown shown;
        int status = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* table = dialog->findChild<QTableView*>("finderTable");
            shown.statusWhileOpen = status;
            EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QLineEdit*>("finderSearch"));
            for (int row = 0; row < table->model()->rowCount(); ++row) {
                const auto cell = [&](int column) {
                    return table->model()->index(row, column).data().toString().trimmed();
                };
                shown.rows << cell(0) + "|" + cell(1);
                if (!choose.isEmpty() && shown.rows.last().contains(choose))
                    table->setCurrentIndex(table->model()->index(row, 0));
            }
            QTest::keyClick(dialog->focusWidget(),
                            choose.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        });
        shown.returned =
            showCriteriaFinder(criteriaFinder(field), session.get(), value, status, nullptr);
        shown.statusAfter = status;
        return shown;
    }

    tests::TestCompany company;
    std::unique_ptr<HostSession> session;
};

TEST_F(CriteriaFinderDialogTest, EachFinderListsItsViewThroughItsFilter) {
    const struct {
        FinderField field;
        const char* value;
        QStringList rows;
        const char* choose;
        QStringList returned;  // trimmed
        int statusAfter;
    } cases[] = {
        {FinderField::LotNumber,
         "LOT1",
         {"LOT12|A100"},
         "LOT12",
         {"LOT12", "A100", "A1", "12.5"},
         5},
        {FinderField::Location,
         " A1 ",
         {"A1|Aisle one", "XA1Y|Annex"},
         "XA1Y",
         {"XA1Y", "Annex"},
         5},
        {FinderField::ItemNumber,
         "B",
         {"B200|Beans"},
         "B200",
         {"B200", "Beans", "EA", "C", "", "0"},
         5},
        {FinderField::ProdCode,
         "",
         {"PRODCODE|P-1"},
         "P-1",
         {"PRODCODE", "P-1", "A100", "A1", "LOT12"},
         3},
        {FinderField::Customer,
         "C",
         {"C|Cafe", "CX|Cafe express"},
         "CX",
         {"CX", "Cafe express"},
         3},
        {FinderField::Customer, "\"", {}, "", {}, 3},
    };
    for (const auto& c : cases) {
        const Shown shown = show(c.field, c.value, c.choose);
        EXPECT_EQ(shown.rows, c.rows) << c.value;
        EXPECT_EQ(shown.statusWhileOpen, 1);
        QStringList returned;
        for (const QString& value : shown.returned)
            returned << value.trimmed();
        EXPECT_EQ(returned, c.returned) << c.value;
        EXPECT_EQ(shown.statusAfter, c.statusAfter);
    }
}

TEST_F(CriteriaFinderDialogTest, CancellingReturnsNothingAndStillSetsTheStatus) {
    const Shown shown = show(FinderField::LotNumber, "", "");
    EXPECT_EQ(shown.rows.size(), 3);
    EXPECT_TRUE(shown.returned.isEmpty());
    EXPECT_EQ(shown.statusAfter, 5);
}

}  // namespace
}  // namespace qv::host
