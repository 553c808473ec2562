#include "search/lot_fill.h"
#include "search/lot_list_model.h"
#include "search/lot_query.h"
#include "tests/support/test_company.h"

#include <gtest/gtest.h>

#include <map>

using qv::search::LotListModel;
using qv::search::LotSearchCriteria;

namespace {

struct Search {
    LotListModel model;
    qv::search::LotTotals totals;
    // Displayed rows by lot number, since the statement leaves the order to the server.
    std::map<QString, QStringList> rows;

    Search(qv::tests::TestCompany& company, const LotSearchCriteria& criteria) {
        auto connection = qv::platform::Connection::open(qv::platform::connectionString("TEST"),
                                                         company.setting());
        qv::platform::Recordset recordset(*connection, qv::search::buildLotStatement(criteria));
        totals = qv::search::fillLotList(recordset, model);
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.cellText(r, c);
            rows[cells[3]] = cells;
        }
    }
};

void addLot(qv::tests::TestCompany& company, const QString& lot, const QString& item,
            const QString& location, double qty, const QString& grade, int qtyLevel = 1,
            int onQuart = 0, int onQuartDate = 0) {
    company.addLot(lot, item, location, qty, qtyLevel, 20240101, 20251231, onQuart, onQuartDate);
    company.addLotField(lot, "GRADE", grade);
    company.addLotField(lot, "PRODCODE", "P1");
    company.addLotField(lot, "PALLETSTATUS", "HOLD");
    company.addLotField(lot, "CUSTCODE", "CX");
    company.addLotField(lot, "PRODDATE", "20240301");
}

}  // namespace

TEST(LotSearchRun, AllEightCriteriaOnACompany) {
    qv::tests::TestCompany company;
    company.addItem("A100", "Peas", "KG", "B");
    company.addItem("A1000", "Beans", "EA", "BX");
    addLot(company, "L70-1", "A100", "WH1", 12.25, "A");
    addLot(company, "L70-4", "A100", "WH1", 3, "A", 1, 1, 20240501);
    addLot(company, "L70-2", "A100", "WH2", 1, "A");     // another location
    addLot(company, "L70-3", "A100", "WH1", 1, "A", 0);  // not on quantity level 1
    addLot(company, "L70-5", "A100", "WH1", 1, "B");     // another grade
    addLot(company, "L80-1", "A100", "WH1", 1, "A");     // another lot number
    addLot(company, "L70-6", "A1000", "WH1", 7, "A");    // item number contains A100
    addLot(company, "L70-7", "A1000", "WH11", 7, "A");   // location contains WH1

    const auto criteria = LotSearchCriteria::fromControlTexts(" WH1 ", "A100", "L70", "A", "P1",
                                                              "cx", "B - Beans", " hold ");
    Search search(company, criteria);

    ASSERT_EQ(search.rows.size(), 4u);
    EXPECT_EQ(search.rows["L70-1"],
              QStringList({search.rows["L70-1"][0], "WH1", "A100", "L70-1", "12.25 ", "2024-01-01",
                           "2025-12-31", "A", "P1", "CX", "B-Hold", "HOLD", "HOLD", "B", "Peas",
                           "KG", "Available", "2024-03-01"}));
    EXPECT_EQ(search.rows["L70-4"][10], "Q-Hold");
    EXPECT_EQ(search.rows["L70-4"][11], "20240501");
    EXPECT_EQ(search.rows["L70-6"][4], "7 ");
    EXPECT_EQ(search.rows["L70-7"][1], "WH11");
    EXPECT_EQ(search.totals.rowCount, 4);
    // 12.25, 3, 7 and 7 in any order: the sum rounds to 29 whichever comes first.
    EXPECT_EQ(search.totals.quantity, 29);
    EXPECT_EQ(search.totals.grade, 29);
}
