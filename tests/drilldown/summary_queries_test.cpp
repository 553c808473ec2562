#include "drilldown/summary_queries.h"
#include "host/session.h"
#include "platform/database.h"
#include "platform/tsql_dialect.h"
#include "tests/support/test_company.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace qv::drilldown {
namespace {

// One statement in full (the others share its pieces, and run below), the value's
// apostrophes doubled.
TEST(SummaryStatements, AreSentAsBuiltWithTheValuesApostrophesDoubled) {
    EXPECT_EQ(summaryStatement(Summary::Grade, " O'B ").toStdString(),
              " SELECT  COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL  "
              "FROM  dbo.ICXLOT INNER JOIN dbo.ICXLOTO ON dbo.ICXLOT.LOTNUM = dbo.ICXLOTO.LOTNUM  "
              "GROUP BY dbo.ICXLOT.QTYLEVEL, dbo.ICXLOTO.OPTFIELD , dbo.ICXLOTO.VALUE  HAVING "
              "(dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOTO.OPTFIELD = 'GRADE') AND "
              "(dbo.ICXLOTO.VALUE = ' O''B ')");
    EXPECT_EQ(itemDescStatement("O'B").toStdString(),
              " SELECT  ITEMNO, [DESC] AS ITEMDESC, CATEGORY, STOCKUNIT, PICKINGSEQ, LCONTCODE  "
              "From dbo.ICITEM  WHERE (ITEMNO = 'O''B') ");
}

TEST(SummaryQuantity, RoundsHalvesToEvenIntoAWholeNumber) {
    const std::pair<QVariant, qint32> cases[] = {{8.5, 8},     {3.5, 4},
                                                 {-2.5, -2},   {"1200.0000", 1200},
                                                 {" 12 ", 12}, {2147483647.4, 2147483647}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(wholeQuantity(value), expected) << value.toString().toStdString();
    for (const QVariant& wrong : {QVariant(2147483647.5), QVariant("x"), QVariant()})
        EXPECT_THROW(wholeQuantity(wrong), std::runtime_error) << wrong.toString().toStdString();
}

class SummaryQueriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        company.addItem("A100", "Peas", "KG", "A");
        company.addItem("B200", "Beans", "EA", "B");
        company.addItem("O'B", "Oats", "EA", "B");
        // Each lot carries one optional field unless said otherwise: the item summary counts
        // every optional-field row of a lot.
        lot("L1", "A100", "WH1", 7.4, 1, "GRADE", "R74");
        lot("L2", "A100", "WH1", 100, 0, "GRADE", "R74");  // quantity level 0: never counted
        lot("L3", "B200", "WH2", 8.5, 1, "GRADE", "R85");
        lot("L4", "B200", "WH2", 1.25, 1, "GRADE", "R25");
        lot("L5", "B200", "WH2", 1.25, 1, "GRADE", "R25");
        lot("L6", "B200", "WH3", 3.5, 1, "GRADE", "R35");
        lot("L7", "B200", "WH3", 1000, 1, "CUSTCODE", "O'BRIEN");
        lot("L8", "B200", "WH3", 200, 1, "CUSTCODE", "O'BRIEN");
        company.addLotField("L8", "PALLETSTATUS", "HOLD");
        session = host::HostSession::forCompany("TEST", company.setting(), company.folder());
        link = session->openDbLink(1, 1);
    }

    void lot(const QString& lotNum, const QString& item, const QString& location, double qty,
             int level, const QString& field, const QString& value) {
        company.addLot(lotNum, item, location, qty, level);
        company.addLotField(lotNum, field, value);
    }

    tests::TestCompany company;
    std::unique_ptr<host::HostSession> session;
    std::shared_ptr<host::DbLink> link;
};

// Each summary once, its 32-bit limit and the item description as shown: the window's tests.
TEST_F(SummaryQueriesTest, SummariesCountTheLotsOfQuantityLevelOne) {
    const std::tuple<Summary, const char*, const char*, const char*> cases[] = {
        {Summary::Grade, "R74", "7", "1"},
        {Summary::Grade, "r85", "8", "1"},  // the company database ignores case
        {Summary::Grade, "R25", "2", "2"},  // 1.25 + 1.25
        {Summary::CustCode, "O'BRIEN", "1,200", "2"},
        {Summary::Location, "WH3", "1,204", "3"},  // 3.5 + 1000 + 200, rounded once
        {Summary::Item, "B200", "1,414", "7"},     // every optional-field row: L8 has two
        {Summary::Item, "O'B", "", ""},
    };
    for (const auto& [summary, value, quantity, count] : cases) {
        const SummaryFigures figures = querySummary(*link, summary, value);
        EXPECT_EQ(figures.quantity.toStdString() + "|" + figures.count.toStdString(),
                  std::string(quantity) + "|" + count)
            << value;
    }
    // Descriptions and units come padded to their columns, and stay so.
    EXPECT_EQ(GetItemDesc(*link, "A100"),
              QString("Peas").leftJustified(60) + "   " + QString("KG").leftJustified(10));
}

// The embedded company filters rows before grouping them; it must give what grouping first
// and then applying HAVING gives, for values that differ by case and blanks too.
TEST_F(SummaryQueriesTest, FilteringBeforeGroupingGivesTheSameGroups) {
    int n = 20;
    for (const char* value : {"r74", "R74 ", " R74", "O'BRIEN ", "hold", "HOLD  "}) {
        const QString lotNum = QString("M%1").arg(++n);
        company.addLot(lotNum, "a100", "wh1 ", n, n % 2);
        for (const char* field : {"GRADE", "CUSTCODE", "PALLETSTATUS", "PRODCODE"})
            company.exec(QString("INSERT INTO ICXLOTO (ITEMNUM, LOCATION, LOTNUM, OPTFIELD, VALUE) "
                                 "VALUES ('a100', 'wh1 ', '%1', '%2', '%3')")
                             .arg(lotNum, field, QString(value).replace("'", "''")));
    }
    const auto connection =
        platform::Connection::open(platform::connectionString("TEST"), company.setting());
    const auto rows = [&](const QString& sqliteSql) {
        QSqlQuery query(connection->database());
        EXPECT_TRUE(query.exec(sqliteSql)) << sqliteSql.toStdString();
        QStringList out;
        while (query.next())
            out << query.value("COUNT").toString() + "|" +
                       QString::number(query.value("QTYTOTAL").toDouble(), 'f', 4);
        return out;
    };
    for (Summary summary : {Summary::Grade, Summary::Item, Summary::CustCode, Summary::ProdCode,
                            Summary::PalletStatus, Summary::Location}) {
        for (const char* value : {"R74", "r74 ", "O'BRIEN", "hold", "A100", "WH1", "ZZ"}) {
            const QString tsql = summaryStatement(summary, value);
            const QString filtered = connection->prepareStatement(tsql);
            ASSERT_TRUE(filtered.contains("WHERE")) << filtered.toStdString();
            EXPECT_EQ(rows(filtered), rows(platform::rewriteTsqlForSqlite(tsql)))
                << tsql.toStdString();
        }
    }
}

}  // namespace
}  // namespace qv::drilldown
