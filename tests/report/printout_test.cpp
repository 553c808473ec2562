// The printout's decisions without a window: the query precondition, the version gate, the
// warning on many records and the orientation choice.
#include "report/printout.h"
#include "platform/xlsx_writer.h"

#include <gtest/gtest.h>

namespace {

using namespace qv::report;

TEST(Printout, AQueryNeedsTenCharacters) {
    EXPECT_FALSE(hasQueryToPrint(""));
    EXPECT_FALSE(hasQueryToPrint("SELECT 1 "));
    EXPECT_TRUE(hasQueryToPrint("SELECT 1  "));
}

TEST(Printout, VersionGate) {
    const struct {
        const char* version;
        const char* refusal;  // null: go on
    } cases[] = {
        {"16.0", nullptr},
        {"15.0", nullptr},
        {"14.5", nullptr},
        {"14.0", nullptr},
        {"12.0", nullptr},
        {"11.0", nullptr},
        {"10.0", "You are using Excel 2002. - not supported "},
        {"9.0", "You are using Excel 2000. - not supported "},
        {"8.0", "You are using Excel 97. - not supported"},
        {"7.0", "You are using Excel 95. - not supported "},
        // Only the listed texts are refused; anything else old or odd goes on.
        {"10", nullptr},
        {"6.0", nullptr},
        {"", nullptr},
        {"beta", nullptr},
    };
    for (const auto& c : cases) {
        const auto refusal = versionRefusal(c.version);
        if (c.refusal)
            EXPECT_EQ(refusal.value_or("(none)").toStdString(), c.refusal) << c.version;
        else
            EXPECT_FALSE(refusal.has_value()) << c.version;
    }
    // The version fed at run time is that of the workbook format written.
    EXPECT_FALSE(versionRefusal(qv::platform::XlsxWriter::kFormatVersion).has_value());
}

TEST(Printout, ManyRecordsWarnAboveFiveHundredWithThePagesUnrounded) {
    EXPECT_FALSE(manyRecordsWarning(0).has_value());
    EXPECT_FALSE(manyRecordsWarning(500).has_value());
    EXPECT_EQ(manyRecordsWarning(501).value_or("").toStdString(),
              "Many Records in this Query - This Will Print  11.1333333333333 Pages");
    EXPECT_EQ(manyRecordsWarning(900).value_or("").toStdString(),
              "Many Records in this Query - This Will Print  20 Pages");
    EXPECT_EQ(manyRecordsWarning(1000000).value_or("").toStdString(),
              "Many Records in this Query - This Will Print  22222.2222222222 Pages");
}

TEST(Printout, OrientationCaptionsNameTheLayoutPrinted) {
    const auto start = orientationMarks(false);
    EXPECT_EQ(start.caption, "Landscape");
    EXPECT_TRUE(start.landscapeChecked);
    EXPECT_FALSE(start.portraitChecked);
    EXPECT_EQ(printLayout(false), PrintLayout::Wide);
    EXPECT_TRUE(pageSetup(printLayout(false), 1).landscape);

    const auto checked = orientationMarks(true);
    EXPECT_EQ(checked.caption, "Portrait");
    EXPECT_TRUE(checked.portraitChecked);
    EXPECT_FALSE(checked.landscapeChecked);
    EXPECT_FALSE(pageSetup(printLayout(true), 1).landscape);
}

}  // namespace
