#include "orders/order_header.h"

#include <gtest/gtest.h>

namespace qv::orders {
namespace {

TEST(OrderHeader, StatementIsSentAsBuiltWithTheNumbersApostrophesDoubled) {
    EXPECT_EQ(
        orderHeaderStatement("ORD000001").toStdString(),
        " SELECT dbo.OEORDH.ORDUNIQ, dbo.OEORDH.ORDNUMBER, dbo.OEORDH.CUSTOMER, "
        "dbo.OEORDH.BILNAME, "
        "dbo.OEORDH.SHIPTO, dbo.OEORDH.SHPNAME, dbo.OEORDH.SHPADDR1, dbo.OEORDH.SHPADDR2, "
        "dbo.OEORDH.SHPADDR3, dbo.OEORDH.SHPADDR4,  dbo.OEORDH.SHPCITY, dbo.OEORDH.SHPSTATE, "
        "dbo.OEORDH.SHPZIP, dbo.OEORDH.SHPCOUNTRY, dbo.OEORDH.SHPPHONE, dbo.OEORDH.PONUMBER, "
        "dbo.OEORDH.REFERENCE, dbo.OEORDH.ORDDATE, dbo.OEORDH.EXPDATE, dbo.OEORDH.SHIPVIA,  "
        "dbo.OEORDH.VIADESC, dbo.OEORDH.FOB, dbo.OEORDH.[DESC] AS HEADERDESC, dbo.OEORDH.COMMENT, "
        "dbo.OEORDH.ORDLINES  FROM dbo.OEORDH  WHERE (dbo.OEORDH.ORDNUMBER = 'ORD000001') ");
    EXPECT_TRUE(orderHeaderStatement("O'B'").endsWith("(dbo.OEORDH.ORDNUMBER = 'O''B''') "));
}

TEST(OrderHeader, DatesAndTheSecondAddressLine) {
    // A decimal column may arrive as a whole number, a double or a text.
    const std::pair<QVariant, QString> dates[] = {{20261105, "2026-11-05"},
                                                  {20261105.0, "2026-11-05"},
                                                  {QString("20261105"), "2026-11-05"},
                                                  {0, "0--0"},
                                                  {0.0, "0--0"}};
    for (const auto& [stored, text] : dates)
        EXPECT_EQ(dateText(stored), text) << stored.toString().toStdString();

    const QString blanks(10, u' ');
    EXPECT_EQ(shipAddressLine("Gate 4" + blanks, "  Bay B" + blanks, "Ring" + blanks),
              "Gate 4 Bay B Ring");
    EXPECT_EQ(shipAddressLine(blanks, "Bay B" + blanks, blanks), "Bay B");
    EXPECT_EQ(shipAddressLine("  Gate 4", blanks, "Ring"), "Gate 4  Ring");
}

}  // namespace
}  // namespace qv::orders
