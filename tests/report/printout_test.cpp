// The printout's decisions without a window: the query precondition, the version gate, the
// warning on many records and the orientation choice.
#include "report/printout.h"
#include "platform/xlsx_writer.h"

#include <gtest/gtest.h>

namespace {

using namespace qv::report;

TEST(Printout, QueryVersionAndRecordCountGates) {
    EXPECT_FALSE(hasQueryToPrint(""));
    EXPECT_FALSE(hasQueryToPrint("SELECT 1 "));
    EXPECT_TRUE(hasQueryToPrint("SELECT 1  "));

    // Only the listed texts are refused; anything else old or odd goes on, the version of
    // the workbook format written among them.
    const std::pair<QString, const char*> versions[] = {
        {"16.0", nullptr},
        {"11.0", nullptr},
        {"10.0", "You are using Excel 2002. - not supported "},
        {"9.0", "You are using Excel 2000. - not supported "},
        {"8.0", "You are using Excel 97. - not supported"},
        {"7.0", "You are using Excel 95. - not supported "},
        {"10", nullptr},
        {"6.0", nullptr},
        {"", nullptr},
        {"beta", nullptr},
        {qv::platform::XlsxWriter::kFormatVersion, nullptr},
    };
    for (const auto& [version, refusal] : versions)
        EXPECT_EQ(versionRefusal(version).value_or("(none)").toStdString(),
                  refusal ? refusal : "(none)")
            << version.toStdString();

    const std::pair<int, const char*> counts[] = {
        {0, nullptr},
        {500, nullptr},
        {501, "11.1333333333333"},
        {900, "20"},
        {1000000, "22222.2222222222"},
    };
    for (const auto& [count, pages] : counts)
        EXPECT_EQ(
            manyRecordsWarning(count).value_or("(none)").toStdString(),
            pages ? "Many Records in this Query - This Will Print  " + std::string(pages) + " Pages"
                  : "(none)")
            << count;
}

TEST(Printout, OrientationCaptionsNameTheLayoutPrinted) {
    for (const bool portrait : {false, true}) {
        const auto marks = orientationMarks(portrait);
        EXPECT_EQ(marks.caption, portrait ? "Portrait" : "Landscape");
        EXPECT_EQ(marks.portraitChecked, portrait);
        EXPECT_EQ(marks.landscapeChecked, !portrait);
        EXPECT_EQ(printLayout(portrait), portrait ? PrintLayout::Narrow : PrintLayout::Wide);
        EXPECT_EQ(pageSetup(printLayout(portrait), 1).landscape, !portrait);
    }
}

}  // namespace
