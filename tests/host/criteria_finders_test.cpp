#include "host/criteria_finders.h"

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

}  // namespace
}  // namespace qv::host
