#include "orders/order_finder.h"

#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qv::orders {
namespace {

TEST(OrderFinder, CustomerFilterAndUniquifier) {
    // The customer comes from the category's first letter, upper case only ("B - Bakery" and
    // no category are the window's test).
    const std::pair<const char*, const char*> customers[] = {
        {"Y", "29680"}, {"K", ""}, {"b", ""}, {" B", ""}};
    for (const auto& [category, customer] : customers)
        EXPECT_EQ(customerForCategory(category), customer) << category;

    EXPECT_EQ(orderDateLimit(QDate(2024, 3, 1)), 20240131);  // across a leap February
    EXPECT_EQ(orderFinderFilter(" ORD1 ", 20261105, "10927"),
              R"((ORDNUMBER LIKE "% ORD1 %") AND (ORDDATE > 20261105) AND (NUMSHPMENT =0) AND )"
              R"((CUSTOMER LIKE "%10927%") )");
    // A short customer number restricts nothing; a typed double quote cannot end the constant.
    EXPECT_EQ(orderFinderFilter("A\"B", 20240131, "1234"),
              R"((ORDNUMBER LIKE "%A""B%") AND (ORDDATE > 20240131) AND (NUMSHPMENT =0) )");

    // The uniquifier is the returned text's leading number, rounded half to even.
    const std::pair<const char*, qint32> numbers[] = {{" 42abc", 42}, {"12.5", 12},
                                                      {"13.5", 14},   {"x12", 0},
                                                      {"-7", -7},     {"2147483647", 2147483647}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(orderUniquifier(text), number) << text;
    EXPECT_TRUE(tests::thrownText<std::overflow_error>([] {
                    orderUniquifier("2147483648");
                }).contains("order uniquifier"));
}

}  // namespace
}  // namespace qv::orders
