#include "search/search_run.h"

#include "platform/database.h"
#include "search/lot_query.h"
#include "tests/support/test_company.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

#include <map>

using qv::search::LotRow;
using qv::search::LotSearchCriteria;
using qv::search::LotSearchResult;

namespace {

// Keeps what the run told it, in order: "start", "row <lot number>", "end".
class RecordingSink : public qv::search::LotRowSink {
public:
    void startRows() override { events << "start"; }
    void addRow(LotRow row) override {
        events << "row " + row.cells[3];
        numbers << row.cells[0];
        rows[row.cells[3]] = QStringList(row.cells.begin(), row.cells.end());
    }
    void endRows() override { events << "end"; }

    QStringList events;
    QStringList numbers;                  // the first cells, in order
    std::map<QString, QStringList> rows;  // by lot number
};

class LotSearchRun : public ::testing::Test {
protected:
    LotSearchResult run(const QString& statement) {
        const auto connection = qv::platform::Connection::open(
            qv::platform::connectionString("TEST"), company.setting());
        return qv::search::runLotSearch(*connection, statement, sink);
    }
    LotSearchResult run(const LotSearchCriteria& criteria) {
        return run(qv::search::buildLotStatement(criteria));
    }
    void addLot(const QString& lot, const QString& item, const QString& location, double qty,
                const QString& grade, int qtyLevel = 1, int onQuart = 0, int onQuartDate = 0) {
        company.addLot(lot, item, location, qty, qtyLevel, 20240101, 20251231, onQuart,
                       onQuartDate);
        company.addLotField(lot, "GRADE", grade);
        company.addLotField(lot, "PRODCODE", "P1");
        company.addLotField(lot, "PALLETSTATUS", "HOLD");
        company.addLotField(lot, "CUSTCODE", "CX");
        company.addLotField(lot, "PRODDATE", "20240301");
    }

    qv::tests::TestCompany company;
    RecordingSink sink;
};

// Which lots each criterion alone selects is the window's test; here all eight at once, and
// every cell of a row as the company gives it.
TEST_F(LotSearchRun, AllEightCriteriaOnACompany) {
    company.addItem("A100", "Peas", "KG", "B");
    addLot("L70-1", "A100", "WH1", 12.25, "A");
    addLot("L70-4", "A100", "WH1", 3, "A", 1, 1, 20240501);
    addLot("L70-5", "A100", "WH1", 1, "B");  // another grade

    const LotSearchResult result = run(LotSearchCriteria::fromControlTexts(
        " WH1 ", "A100", "L70", "A", "P1", "cx", "B - Beans", " hold "));

    EXPECT_FALSE(result.nothingFound || result.stopped);
    EXPECT_EQ(sink.events, QStringList({"start", "row L70-1", "row L70-4", "end"}));
    EXPECT_EQ(sink.numbers, QStringList({"000001", "000002"}));
    EXPECT_EQ(sink.rows["L70-1"],
              QStringList({"000001", "WH1", "A100", "L70-1", "12.25 ", "2024-01-01", "2025-12-31",
                           "A", "P1", "CX", "B-Hold", "HOLD", "HOLD", "B", "Peas", "KG",
                           "Available", "2024-03-01"}));
    EXPECT_EQ(sink.rows["L70-4"][10], "Q-Hold");
    EXPECT_EQ(sink.rows["L70-4"][11], "20240501");
    EXPECT_EQ(result.totals.rowCount, 2);
    EXPECT_EQ(result.totals.quantity, 15);
    EXPECT_EQ(result.totals.grade, 15);
}

// A failure half-way keeps the rows before it: the window's test.
TEST_F(LotSearchRun, ARejectedStatementFailsBeforeAnyRow) {
    EXPECT_TRUE(qv::tests::thrownText<qv::platform::DbError>([&] {
                    run("SELECT NOSUCH FROM dbo.ICXLOT");
                }).contains("NOSUCH"));
    EXPECT_TRUE(sink.events.isEmpty());
}

}  // namespace
