#include "host/option_lists.h"

#include "host/host_error.h"
#include "tests/host/sample_company.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

namespace qv::host {
namespace {

using OptionListsTest = tests::SampleCompanyTest;

TEST_F(OptionListsTest, PalletStatusesAreThatFieldsValuesTrimmedInKeyOrder) {
    company.addOptionValue("PALLETSTATUS", "AGED", "Aged stock");
    // The sample company's other optional fields (customer codes) stay out.
    EXPECT_EQ(readPalletStatuses(*link), QStringList({"AGED", "HOLD", "OK"}));
}

TEST_F(OptionListsTest, CategoriesAreCodeDashDescriptionTrimmedInKeyOrder) {
    EXPECT_EQ(readCategories(*link), QStringList({"A - ", "C - Chilled"}));
    company.exec("DROP TABLE ICCATG");
    EXPECT_TRUE(tests::thrownText<HostError>([&] { readCategories(*link); }).contains("IC0210"));
}

}  // namespace
}  // namespace qv::host
