#include "orders/order_header.h"
#include "orders/format_by_length.h"
#include "orders/order_lines.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qv::orders {
namespace {

// Both statements are sent as built, the order number's apostrophes doubled.
TEST(OrderStatements, AreSentAsBuilt) {
    EXPECT_EQ(orderHeaderStatement("O'B'").toStdString(),
              " SELECT dbo.OEORDH.ORDUNIQ, dbo.OEORDH.ORDNUMBER, dbo.OEORDH.CUSTOMER, "
              "dbo.OEORDH.BILNAME, dbo.OEORDH.SHIPTO, dbo.OEORDH.SHPNAME, dbo.OEORDH.SHPADDR1, "
              "dbo.OEORDH.SHPADDR2, dbo.OEORDH.SHPADDR3, dbo.OEORDH.SHPADDR4,  dbo.OEORDH.SHPCITY, "
              "dbo.OEORDH.SHPSTATE, dbo.OEORDH.SHPZIP, dbo.OEORDH.SHPCOUNTRY, dbo.OEORDH.SHPPHONE, "
              "dbo.OEORDH.PONUMBER, dbo.OEORDH.REFERENCE, dbo.OEORDH.ORDDATE, dbo.OEORDH.EXPDATE, "
              "dbo.OEORDH.SHIPVIA,  dbo.OEORDH.VIADESC, dbo.OEORDH.FOB, dbo.OEORDH.[DESC] AS "
              "HEADERDESC, dbo.OEORDH.COMMENT, dbo.OEORDH.ORDLINES  FROM dbo.OEORDH  WHERE "
              "(dbo.OEORDH.ORDNUMBER = 'O''B''') ");
    EXPECT_EQ(orderLinesStatement(100042).toStdString(),
              " SELECT  ORDUNIQ, ITEM, [DESC] AS ITEMDESC, QTYORDERED, ORDUNIT, UNITWEIGHT, "
              "EXTWEIGHT,PICKSEQ  From dbo.OEORDD  WHERE (ORDUNIQ = '100042') ");
}

TEST(OrderHeader, DatesAndTheSecondAddressLine) {
    // A decimal column may arrive as a whole number, a double or a text.
    for (const QVariant& stored : {QVariant(20261105), QVariant(20261105.0), QVariant("20261105")})
        EXPECT_EQ(dateText(stored), "2026-11-05") << stored.toString().toStdString();
    EXPECT_EQ(dateText(0.0), "0--0");

    const QString blanks(10, u' ');
    EXPECT_EQ(shipAddressLine("Gate 4" + blanks, "  Bay B" + blanks, "Ring"), "Gate 4 Bay B Ring");
    EXPECT_EQ(shipAddressLine("  Gate 4", blanks, "Ring"), "Gate 4  Ring");
}

TEST(FormatByLength, WrapsLongLinesBetweenWordsAndEndsEveryLine) {
    const QString longLine = "Please call the dock on arrival; gate closes at 3pm.";
    const QString wrapped = "Please call the dock on arrival; gate \r\ncloses at 3pm. \r\n";
    const std::tuple<QString, int, QString> cases[] = {
        {"", 40, ""},
        {"Pallets wrapped\r\nNo mixed", 15, "Pallets wrapped\r\nNo mixed\r\n"},
        {QString(50, u'x'), 40, "\r\n" + QString(50, u'x') + " \r\n"},  // one long word
        // The second long line counts from 0, as if it came alone.
        {"Ten\r\n" + longLine, 40, "Ten\r\n" + wrapped},
        // Each blank after the first of a run is an empty word taking one place.
        {"ab" + QString(7, u' '), 4, "ab  \r\n    \r\n  \r\n"},
        {"ab\ncd", 3, "\r\nab\ncd \r\n"},  // a lone line feed is no break
    };
    for (const auto& [expression, length, expected] : cases)
        EXPECT_EQ(FormatByLength(expression, length).toStdString(), expected.toStdString())
            << expression.toStdString();
}

}  // namespace
}  // namespace qv::orders
