#include "orders/order_lines.h"

#include "host/session.h"
#include "tests/support/test_company.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qv::orders {
namespace {

TEST(OrderLines, StatementIsSentAsBuilt) {
    EXPECT_EQ(orderLinesStatement(100042).toStdString(),
              " SELECT  ORDUNIQ, ITEM, [DESC] AS ITEMDESC, QTYORDERED, ORDUNIT, UNITWEIGHT, "
              "EXTWEIGHT,PICKSEQ  From dbo.OEORDD  WHERE (ORDUNIQ = '100042') ");
}

// What readOrderLines hands over: each line's cells and the three totals after it.
struct Listed {
    QStringList cells;
    QStringList totals;
};

class OrderLinesReading : public ::testing::Test {
protected:
    void SetUp() override {
        company.addOrder({.ordUniq = 7, .orderNumber = "ORD7", .ordDate = 20261105});
        company.addOrder({.ordUniq = 8, .orderNumber = "ORD8", .ordDate = 20261105});
        session = host::HostSession::forCompany("TEST", company.setting(), company.folder());
        ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
        link = session->openDbLink(1, 0);
    }

    void addLine(std::int64_t ordUniq, int lineNum, const QString& item, double qty,
                 double unitWeight, double extWeight, const QString& pickSeq = {}) {
        company.addOrderLine({.ordUniq = ordUniq,
                              .lineNum = lineNum,
                              .item = item,
                              .desc = item + " description",
                              .qtyOrdered = qty,
                              .orderUnit = "KG",
                              .unitWeight = unitWeight,
                              .extWeight = extWeight,
                              .pickSeq = pickSeq});
    }

    std::vector<Listed> read(qint32 orderUniquifier) {
        std::vector<Listed> listed;
        readOrderLines(
            *link, orderUniquifier,
            [&listed](const OrderLine& line, const OrderLineTotals& totals) {
                listed.push_back(
                    {line.cells, {totals.weightText(), totals.qtyText(), totals.countText()}});
            });
        return listed;
    }

    tests::TestCompany company;
    std::unique_ptr<host::HostSession> session;
    std::shared_ptr<host::DbLink> link;
};

TEST_F(OrderLinesReading, CellsAndRunningTotals) {
    addLine(7, 1, "A100", 12000.3, 1, 12000.3, "40");
    addLine(7, 2, "B200", 0, 2.5, 345.3);
    addLine(8, 1, "C300", 5, 1, 5);  // another order
    const std::vector<Listed> listed = read(7);
    ASSERT_EQ(listed.size(), 2u);
    const QString item = QString("A100").leftJustified(24);
    const QString unit = QString("KG").leftJustified(10);
    EXPECT_EQ(listed[0].cells, QStringList({item, "12,000  ", unit, "1  ", "12,000  ",
                                            QString("40").leftJustified(10)}));
    // A quantity of 0 shows no digits; a weight rounds half away from zero.
    EXPECT_EQ(listed[1].cells, QStringList({QString("B200").leftJustified(24), "  ", unit, "3  ",
                                            "345  ", QString(10, u' ')}));
    EXPECT_EQ(listed[0].totals, QStringList({"12,000   ", "12,000   ", "1"}));
    // Weights are summed as they are, 12,345.6, and only the total is rounded.
    EXPECT_EQ(listed[1].totals, QStringList({"12,346   ", "12,000   ", "2"}));
}

TEST_F(OrderLinesReading, OrderWithoutLinesListsNothing) {
    addLine(8, 1, "C300", 5, 1, 5);
    EXPECT_TRUE(read(7).empty());
    EXPECT_TRUE(read(-1).empty());
}

TEST_F(OrderLinesReading, LineThatCannotBeReadEndsTheReadingAfterTheLinesBeforeIt) {
    addLine(7, 1, "A100", 1000, 1, 1000);
    company.exec(
        "INSERT INTO OEORDD (ORDUNIQ, LINENUM, ITEM, QTYORDERED, ORDUNIT) "
        "VALUES (7, 2, 'B200', 'lots', 'KG')");
    addLine(7, 3, "C300", 5, 1, 5);
    int handed = 0;
    const QString error = tests::thrownText<std::runtime_error>([&] {
        readOrderLines(*link, 7, [&handed](const OrderLine&, const OrderLineTotals&) { ++handed; });
    });
    EXPECT_EQ(error, "The QTYORDERED of an order line is not a number: \"lots\"");
    EXPECT_EQ(handed, 1);
}

}  // namespace
}  // namespace qv::orders
