#include "host/criteria_finders.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qv::host {
namespace {

using F = FinderField;

TEST(CriteriaFinders, FilterCarriesTheValueTrimmedOrAsTyped) {
    const std::tuple<F, const char*, const char*> cases[] = {
        {F::LotNumber, " 12 ", R"((LOTNUM LIKE "% 12 %" AND QTYLEVEL = 1))"},
        {F::Location, " A1 ", R"((LOCATION LIKE "%A1%") AND (INACTIVE = 0))"},
        {F::ItemNumber, " A1 ", R"((ITEMNO LIKE "%A1%"))"},
        {F::ProdCode, " P ",
         R"((OPTFIELD = "PRODCODE") AND (VALUE LIKE "% P %") AND (VALIFTEXT > "   "))"},
        {F::Customer, " C ", R"((OPTFIELD = "CUSTCODE") AND (VALUE LIKE "% C %"))"},
        // A double quote is doubled: the filter language reads it back as one.
        {F::ItemNumber, R"( 5" PIPE)", R"((ITEMNO LIKE "%5"" PIPE%"))"},
    };
    for (const auto& [field, value, filter] : cases)
        EXPECT_EQ(finderFilter(criteriaFinder(field), value).toStdString(), filter);
}

TEST(CriteriaFinders, ButtonCodeAndStatusDecideWhatHappens) {
    const std::tuple<F, int, int, ButtonAction> cases[] = {
        {F::LotNumber, 4, 0, ButtonAction::Find}, {F::LotNumber, 5, 0, ButtonAction::Clear},
        {F::LotNumber, 4, 1, ButtonAction::None}, {F::Customer, 5, 1, ButtonAction::None},
        {F::Location, 5, 3, ButtonAction::Clear},  // clears whatever the status
        {F::Location, 4, 3, ButtonAction::None},  {F::ItemNumber, 7, 0, ButtonAction::None},
    };
    for (const auto& [field, code, status, action] : cases)
        EXPECT_EQ(buttonAction(criteriaFinder(field), code, status), action)
            << int(field) << " code " << code << " status " << status;
}

}  // namespace
}  // namespace qv::host
