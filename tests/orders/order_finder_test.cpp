#include "orders/order_finder.h"

#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qv::orders {
namespace {

TEST(OrderFinder, CustomerComesFromTheCategorysFirstUpperCaseLetter) {
    const std::pair<QString, QString> cases[] = {{"B - Bakery", "10927"},
                                                 {"A", "29720"},
                                                 {"Y - Yoghurt", "29680"},
                                                 {"K - Kitchen", ""},
                                                 {"b - bakery", ""},
                                                 {"", ""},
                                                 {" B", ""},
                                                 {"P", ""}};
    for (const auto& [category, customer] : cases)
        EXPECT_EQ(customerForCategory(category), customer) << category.toStdString();
}

TEST(OrderFinder, FilterFromTheTypedValueTheDateLimitAndTheCustomer) {
    EXPECT_EQ(orderDateLimit(QDate(2026, 12, 5)), 20261105);
    EXPECT_EQ(orderDateLimit(QDate(2024, 3, 1)), 20240131);  // across a leap February
    EXPECT_EQ(orderFinderFilter(" ORD1 ", 20261105, "10927"),
              "(ORDNUMBER LIKE \"% ORD1 %\") AND (ORDDATE > 20261105) AND (NUMSHPMENT =0) AND "
              "(CUSTOMER LIKE \"%10927%\") ");
    // An empty field matches every number; a short customer number restricts nothing; a
    // typed double quote cannot end the constant early.
    EXPECT_EQ(orderFinderFilter("", 20240131, "1234"),
              "(ORDNUMBER LIKE \"%%\") AND (ORDDATE > 20240131) AND (NUMSHPMENT =0) ");
    EXPECT_EQ(orderFinderFilter("A\"B", 20240131, ""),
              "(ORDNUMBER LIKE \"%A\"\"B%\") AND (ORDDATE > 20240131) AND (NUMSHPMENT =0) ");
}

TEST(OrderFinder, UniquifierIsTheLeadingNumberOfTheReturnedText) {
    const std::pair<QString, qint32> cases[] = {
        {"100000", 100000}, {" 42abc", 42}, {"12.5", 12}, {"13.5", 14},
        {"x12", 0},         {"", 0},        {"-7", -7},   {"2147483647", 2147483647}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(orderUniquifier(text), number) << text.toStdString();
    EXPECT_TRUE(tests::thrownText<std::overflow_error>([] {
                    orderUniquifier("2147483648");
                }).contains("order uniquifier"));
}

}  // namespace
}  // namespace qv::orders
