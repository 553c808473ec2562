#include "data/demo_company.h"
#include "data/company_writer.h"
#include "platform/database.h"
#include "search/lot_query.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 3, 15);

qv::data::DemoOptions smallDemo(std::uint32_t seed) {
    qv::data::DemoOptions options;
    options.lots = 400;
    options.seed = seed;
    options.today = kToday;
    return options;
}

std::int64_t count(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    std::int64_t n = -1;
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        n = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return n;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class DemoCompany : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        path_ = dir_->filePath("DEMO.sqlite");
        qv::data::generateDemoCompany(path_, smallDemo(7));
    }
    static void TearDownTestSuite() { delete dir_; }
    void SetUp() override { db_ = qv::data::openWritableCompany(path_); }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString path_;
    qv::data::SqliteHandle db_;
};

// Each fact is an SQL truth the company must hold.
void expectFacts(sqlite3* db, std::initializer_list<const char*> facts) {
    for (const char* fact : facts)
        EXPECT_EQ(count(db, (std::string("SELECT ") + fact).c_str()), 1) << fact;
}

TEST_F(DemoCompany, HoldsEveryCaseTheProgramNeeds) {
    expectFacts(
        db_.get(),
        {// B-Hold: every hold code on a free lot.
         "(SELECT COUNT(DISTINCT RTRIM(O.VALUE)) FROM ICXLOT L JOIN ICXLOTO O ON O.LOTNUM ="
         " L.LOTNUM AND O.OPTFIELD = 'PALLETSTATUS' WHERE L.QTYLEVEL = 1 AND L.ONQUART = 0 AND"
         " O.VALUE IN ('AGED','DUMP','QTD','DON','INSP','LBEL','REG','REG1','REJ','SCRN','SELH',"
         " 'SORT','TOTE','VISU','AGAR','GAR','HOLD','LAB','LIST','MIP','SHLD','WREV','GOVT',"
         " 'UNGR')) = 24",
         // Q-Hold, with a quarantine date and without one.
         "EXISTS (SELECT 1 FROM ICXLOT WHERE QTYLEVEL = 1 AND ONQUART = 1"
         " AND ONQUARTDT BETWEEN 19000101 AND 20991231)",
         "EXISTS (SELECT 1 FROM ICXLOT WHERE ONQUART = 1 AND ONQUARTDT = 0)",
         // OK: free lots without a pallet status.
         "EXISTS (SELECT 1 FROM ICXLOT L WHERE QTYLEVEL = 1 AND ONQUART = 0 AND"
         " NOT EXISTS (SELECT 1 FROM OPTPALLETSTATUS P WHERE P.LOTNUM = L.LOTNUM))",
         // Fifteen characters: the lot finder strips the three-character suffix either way.
         "NOT EXISTS (SELECT 1 FROM ICXLOT WHERE length(RTRIM(LOTNUM)) <> 15"
         " OR substr(LOTNUM, 13, 1) <> '-')",
         // Level 0 without dates (level 1's convert: the lot statement's test below).
         "EXISTS (SELECT 1 FROM ICXLOT WHERE QTYLEVEL = 0 AND STOCKDATE = 0)",
         // KG with decimals, other units whole.
         "EXISTS (SELECT 1 FROM ICXLOT L JOIN ICITEM I ON I.ITEMNO = L.ITEMNUM"
         " WHERE I.STOCKUNIT = 'KG' AND L.QTYAVAIL <> CAST(L.QTYAVAIL AS INT))",
         "NOT EXISTS (SELECT 1 FROM ICXLOT L JOIN ICITEM I ON I.ITEMNO = L.ITEMNUM"
         " WHERE I.STOCKUNIT <> 'KG' AND L.QTYAVAIL <> CAST(L.QTYAVAIL AS INT))",
         // Lots at the inactive location, which the location finder leaves out.
         "EXISTS (SELECT 1 FROM ICXLOT L JOIN ICLOC C ON C.LOCATION = L.LOCATION"
         " WHERE C.INACTIVE = 1)",
         // Customer code exactly C (binary comparison: not c), and others containing a C.
         "EXISTS (SELECT 1 FROM OPTCUSTCODE WHERE CUSTCODE = 'C' COLLATE BINARY)",
         "EXISTS (SELECT 1 FROM OPTCUSTCODE WHERE CUSTCODE <> 'C' AND CUSTCODE LIKE '%C%')",
         "EXISTS (SELECT 1 FROM CSOPTFD WHERE OPTFIELD = 'CUSTCODE' AND VALUE = 'C'"
         " AND VDESC <> '')",
         "EXISTS (SELECT 1 FROM ICXLOT L WHERE"
         " NOT EXISTS (SELECT 1 FROM OPTGRADE G WHERE G.LOTNUM = L.LOTNUM))",
         // The product finder leaves out blank product codes.
         "EXISTS (SELECT 1 FROM ICXLOTO WHERE OPTFIELD = 'PRODCODE' AND VALIFTEXT > '   ')",
         // Categories: a one- and a two-letter code for a customer letter, one without description.
         "(SELECT COUNT(*) FROM ICCATG WHERE CATEGORY IN ('B', 'BX')) = 2",
         "(SELECT COUNT(*) FROM ICCATG WHERE [DESC] = '') = 1",
         // The order finder: ORDDATE > today - 30 days, no shipment yet, with lines.
         "EXISTS (SELECT 1 FROM OEORDH H WHERE ORDDATE > 20260213 AND NUMSHPMENT = 0"
         " AND EXISTS (SELECT 1 FROM OEORDD D WHERE D.ORDUNIQ = H.ORDUNIQ))",
         "EXISTS (SELECT 1 FROM OEORDH WHERE ORDDATE <= 20260213)",
         "EXISTS (SELECT 1 FROM OEORDH WHERE NUMSHPMENT > 0)",
         // Customer B of the category table, and an order without lines.
         "EXISTS (SELECT 1 FROM OEORDH WHERE CUSTOMER = '10927')",
         "EXISTS (SELECT 1 FROM OEORDH H WHERE"
         " NOT EXISTS (SELECT 1 FROM OEORDD D WHERE D.ORDUNIQ = H.ORDUNIQ))",
         // Comments the panel must wrap.
         "EXISTS (SELECT 1 FROM OEORDH WHERE length(RTRIM(COMMENT)) > 50)",
         "EXISTS (SELECT 1 FROM OEORDH WHERE instr(COMMENT, char(13, 10)) > 0)"});
}

// The lot search's joins of the eight site views: one row per level-1 lot, and every date
// converts.
TEST_F(DemoCompany, LotStatementGivesOneRowPerLot) {
    auto connection = qv::platform::Connection::open(qv::platform::connectionString("DEMO"),
                                                     qv::platform::DatabaseSetting::sqlite(path_));
    qv::platform::Recordset rows(*connection, qv::search::buildLotStatement({}));
    QSet<QString> lots;
    int n = 0;
    for (; !rows.eof(); rows.moveNext(), ++n) {
        lots.insert(rows.field("LOTNUM").toString());
        ASSERT_TRUE(rows.field("STOCKDATE").toDate().isValid()) << n;
    }
    EXPECT_EQ(n, count(db_.get(), "SELECT COUNT(*) FROM ICXLOT WHERE QTYLEVEL = 1"));
    EXPECT_EQ(lots.size(), n);
}

TEST(DemoGeneration, SameSeedAndDayGiveTheSameCompany) {
    QTemporaryDir dir;
    qv::data::generateDemoCompany(dir.filePath("a.sqlite"), smallDemo(3));
    qv::data::generateDemoCompany(dir.filePath("b.sqlite"), smallDemo(3));
    qv::data::generateDemoCompany(dir.filePath("c.sqlite"), smallDemo(4));
    const QByteArray a = contents(dir.filePath("a.sqlite"));
    EXPECT_TRUE(a == contents(dir.filePath("b.sqlite")));
    EXPECT_FALSE(a == contents(dir.filePath("c.sqlite")));
    EXPECT_EQ(qv::data::demoGeneratedOn(dir.filePath("a.sqlite")), kToday);
    // Only the finished files: no half-written part left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(EnsureDemoCompany, CreatesOnceReusesAndRenewsWhenOrdersHaveAged) {
    // In the data folder of the test's own process.
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    const qv::data::DemoCompany demo = qv::data::ensureDemoCompany();
    EXPECT_EQ(demo.databasePath, home + "/quorvan/DEMO.sqlite");
    EXPECT_EQ(demo.folder, home + "/quorvan/DEMO");
    EXPECT_EQ(qv::data::demoGeneratedOn(demo.databasePath), QDate::currentDate());

    EXPECT_TRUE(contents(demo.folder + "/BMP/brisvale.bmp").startsWith("BM"));

    // A mark survives the second call: the company is reused, not generated again.
    qv::data::execSql(qv::data::openWritableCompany(demo.databasePath).get(),
                      "INSERT INTO ICLOC (LOCATION) VALUES ('MARK')");
    const auto marks = [&] {
        return count(qv::data::openWritableCompany(demo.databasePath).get(),
                     "SELECT COUNT(*) FROM ICLOC WHERE LOCATION = 'MARK'");
    };
    qv::data::ensureDemoCompany();
    EXPECT_EQ(marks(), 1);

    // Generated weeks ago: its recent orders have aged, so it is generated afresh.
    qv::data::execSql(qv::data::openWritableCompany(demo.databasePath).get(),
                      "PRAGMA user_version = " +
                          QDate::currentDate().addDays(-20).toString("yyyyMMdd").toStdString());
    qv::data::ensureDemoCompany();
    EXPECT_EQ(marks(), 0);
    EXPECT_EQ(qv::data::demoGeneratedOn(demo.databasePath), QDate::currentDate());
}

}  // namespace
