#include "orders/order_lines.h"

#include <gtest/gtest.h>

namespace qv::orders {
namespace {

TEST(OrderLines, StatementIsSentAsBuilt) {
    EXPECT_EQ(orderLinesStatement(100042).toStdString(),
              " SELECT  ORDUNIQ, ITEM, [DESC] AS ITEMDESC, QTYORDERED, ORDUNIT, UNITWEIGHT, "
              "EXTWEIGHT,PICKSEQ  From dbo.OEORDD  WHERE (ORDUNIQ = '100042') ");
}

}  // namespace
}  // namespace qv::orders
