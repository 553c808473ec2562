#include "data/company_writer.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CompanyWriter, PadsToTheColumnWidthAndRefusesLongerValues) {
    EXPECT_EQ(qv::data::paddedChar("AB", 5, "T.C"), "AB   ");
    EXPECT_EQ(qv::data::paddedChar("", 2, "T.C"), "  ");
    // Width counts characters, not UTF-8 bytes.
    EXPECT_EQ(qv::data::paddedChar("\xC3\x84pfel", 6, "T.C"), "\xC3\x84pfel ");
    EXPECT_TRUE(qv::tests::thrownText<std::runtime_error>([] {
                    qv::data::paddedChar("TOOLONG", 3, "ICLOC.LOCATION");
                }).contains("ICLOC.LOCATION"));
}

}  // namespace
