// The printout's query, version gate and warning on many records. The query precondition and
// the orientation's marks and layout are the window's tests.
#include "report/printout.h"
#include "platform/xlsx_writer.h"
#include "report/report_records.h"

#include <gtest/gtest.h>

namespace {

using namespace qv::report;

TEST(Printout, QueryVersionAndRecordCountGates) {
    EXPECT_EQ(reportQuery("SELECT A FROM T\r\n"),
              "SELECT A FROM T\r\n  ORDER BY ITEMNUM, LOCATION ");

    // Only the listed texts are refused; anything else old or odd goes on, the version of
    // the workbook format written among them.
    const std::pair<QString, const char*> versions[] = {
        {"10.0", "You are using Excel 2002. - not supported "},
        {"9.0", "You are using Excel 2000. - not supported "},
        {"8.0", "You are using Excel 97. - not supported"},
        {"7.0", "You are using Excel 95. - not supported "},
        {"10", nullptr},
        {"6.0", nullptr},
        {qv::platform::XlsxWriter::kFormatVersion, nullptr},
    };
    for (const auto& [version, refusal] : versions)
        EXPECT_EQ(versionRefusal(version).value_or("(none)").toStdString(),
                  refusal ? refusal : "(none)")
            << version.toStdString();

    const std::pair<int, const char*> counts[] = {
        {500, nullptr},
        {501, "11.1333333333333"},
        {900, "20"},
    };
    for (const auto& [count, pages] : counts)
        EXPECT_EQ(
            manyRecordsWarning(count).value_or("(none)").toStdString(),
            pages ? "Many Records in this Query - This Will Print  " + std::string(pages) + " Pages"
                  : "(none)")
            << count;
}

}  // namespace
