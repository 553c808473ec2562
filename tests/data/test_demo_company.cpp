#include "data/company_writer.h"
#include "data/demo_company.h"
#include "platform/database.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

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

// Every row of every table, as text: two companies are equal when this is.
QString dump(sqlite3* db) {
    QString text;
    for (const char* table :
         {"ICITEM", "ICXLOT", "ICXLOTO", "CSOPTFD", "ICCATG", "ICLOC", "OEORDH", "OEORDD"}) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, (std::string("SELECT * FROM ") + table).c_str(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                text +=
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))) +
                    '|';
            text += '\n';
        }
        sqlite3_finalize(stmt);
    }
    return text;
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

    static QTemporaryDir* dir_;
    static QString path_;
    qv::data::SqliteHandle db_;
};
QTemporaryDir* DemoCompany::dir_ = nullptr;
QString DemoCompany::path_;

TEST_F(DemoCompany, HoldsEveryHoldStateTheLotListShows) {
    sqlite3* db = db_.get();
    // B-Hold: every hold code on a free lot.
    EXPECT_EQ(count(db,
                    "SELECT COUNT(DISTINCT RTRIM(O.VALUE)) FROM ICXLOT L JOIN ICXLOTO O"
                    " ON O.LOTNUM = L.LOTNUM AND O.OPTFIELD = 'PALLETSTATUS'"
                    " WHERE L.QTYLEVEL = 1 AND L.ONQUART = 0 AND O.VALUE IN ('AGED','DUMP',"
                    "'QTD','DON','INSP','LBEL','REG','REG1','REJ','SCRN','SELH','SORT','TOTE',"
                    "'VISU','AGAR','GAR','HOLD','LAB','LIST','MIP','SHLD','WREV','GOVT','UNGR')"),
              24);
    // Q-Hold, with a quarantine date and without one.
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT WHERE QTYLEVEL = 1 AND ONQUART = 1"
                    " AND ONQUARTDT BETWEEN 19000101 AND 20991231"),
              0);
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM ICXLOT WHERE ONQUART = 1 AND ONQUARTDT = 0"), 0);
    // OK: free lots with an ordinary pallet status and with none.
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L JOIN OPTPALLETSTATUS P"
                    " ON P.LOTNUM = L.LOTNUM WHERE L.QTYLEVEL = 1 AND L.ONQUART = 0"
                    " AND P.PALLETSTATUS = 'OK'"),
              0);
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L WHERE QTYLEVEL = 1 AND ONQUART = 0 AND"
                    " NOT EXISTS (SELECT 1 FROM OPTPALLETSTATUS P WHERE P.LOTNUM = L.LOTNUM)"),
              0);
    // The pallet-status list: hold codes and others.
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM CSOPTFD WHERE OPTFIELD = 'PALLETSTATUS'"), 30);
}

TEST_F(DemoCompany, LotsAreStoredAsTheAccountingSystemStoresThem) {
    sqlite3* db = db_.get();
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM ICXLOT"), 400);
    EXPECT_EQ(count(db, "SELECT COUNT(DISTINCT LOTNUM) FROM ICXLOT"), 400);
    // Fifteen characters: the lot finder strips the three-character suffix either way.
    EXPECT_EQ(count(db,
                    "SELECT COUNT(*) FROM ICXLOT WHERE length(RTRIM(LOTNUM)) <> 15"
                    " OR substr(LOTNUM, 13, 1) <> '-'"),
              0);
    EXPECT_EQ(count(db,
                    "SELECT COUNT(*) FROM ICITEM WHERE length(ITEMNO) <> 24"
                    " OR length(STOCKUNIT) <> 10"),
              0);
    // Level 0 with and without dates; level 1 always with real dates (CONVERT would fail).
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM ICXLOT WHERE QTYLEVEL = 0 AND STOCKDATE = 0"), 0);
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM ICXLOT WHERE QTYLEVEL = 0 AND STOCKDATE > 0"), 0);
    EXPECT_EQ(count(db,
                    "SELECT COUNT(*) FROM ICXLOT WHERE QTYLEVEL = 1 AND (STOCKDATE < 19000101"
                    " OR EXPIRYDATE < STOCKDATE)"),
              0);
    // KG with decimals, EA whole.
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L JOIN ICITEM I ON I.ITEMNO = L.ITEMNUM"
                    " WHERE I.STOCKUNIT = 'KG' AND L.QTYAVAIL <> CAST(L.QTYAVAIL AS INT)"),
              0);
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L JOIN ICITEM I ON I.ITEMNO = L.ITEMNUM"
                    " WHERE I.STOCKUNIT = 'EA'"),
              0);
    EXPECT_EQ(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L JOIN ICITEM I ON I.ITEMNO = L.ITEMNUM"
                    " WHERE I.STOCKUNIT <> 'KG' AND L.QTYAVAIL <> CAST(L.QTYAVAIL AS INT)"),
              0);
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM ICXLOTO WHERE VALIFTEXT <> VALUE"), 0);
    // Lots at the inactive location, which the location finder leaves out.
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L JOIN ICLOC C ON C.LOCATION = L.LOCATION"
                    " WHERE C.INACTIVE = 1"),
              0);
}

TEST_F(DemoCompany, HoldsTheCodesTheCriteriaAndListsUse) {
    sqlite3* db = db_.get();
    // Customer code exactly C (binary comparison: not c), and others containing a C.
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM OPTCUSTCODE WHERE CUSTCODE = 'C' COLLATE BINARY"), 0);
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM OPTCUSTCODE WHERE CUSTCODE <> 'C' AND"
                    " CUSTCODE LIKE '%C%'"),
              0);
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM CSOPTFD WHERE OPTFIELD = 'CUSTCODE' AND VALUE = 'C'"
                    " AND VDESC <> ''"),
              0);
    EXPECT_EQ(count(db, "SELECT COUNT(DISTINCT GRADE) FROM OPTGRADE"), 7);
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOT L WHERE"
                    " NOT EXISTS (SELECT 1 FROM OPTGRADE G WHERE G.LOTNUM = L.LOTNUM)"),
              0);
    // The product finder leaves out blank product codes.
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM ICXLOTO WHERE OPTFIELD = 'PRODCODE' AND"
                    " VALIFTEXT > '   '"),
              0);
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM OPTPRODDATE WHERE PRODDATE IS NULL"), 0);
    // Categories: a one- and a two-letter code for a customer letter, one without description.
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM ICCATG WHERE CATEGORY IN ('B', 'BX')"), 2);
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM ICCATG WHERE [DESC] = ''"), 1);
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM ICLOC WHERE INACTIVE = 1"), 1);
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM ICLOC WHERE INACTIVE = 0"), 3);
}

TEST_F(DemoCompany, HoldsOpenRecentOrdersWithLinesAndOthers) {
    sqlite3* db = db_.get();
    // The order finder: ORDDATE > today - 30 days, no shipment yet, with lines.
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM OEORDH H WHERE ORDDATE > 20260213 AND NUMSHPMENT = 0"
                    " AND EXISTS (SELECT 1 FROM OEORDD D WHERE D.ORDUNIQ = H.ORDUNIQ)"),
              0);
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM OEORDH WHERE ORDDATE <= 20260213"), 0);
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM OEORDH WHERE NUMSHPMENT > 0"), 0);
    EXPECT_EQ(count(db, "SELECT COUNT(*) FROM OEORDH WHERE ORDDATE > 20260315"), 0);
    // Customer B of the category table, an order without lines, header line counts right.
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM OEORDH WHERE CUSTOMER = '10927'"), 0);
    EXPECT_GT(count(db,
                    "SELECT COUNT(*) FROM OEORDH H WHERE"
                    " NOT EXISTS (SELECT 1 FROM OEORDD D WHERE D.ORDUNIQ = H.ORDUNIQ)"),
              0);
    EXPECT_EQ(count(db,
                    "SELECT COUNT(*) FROM OEORDH H WHERE ORDLINES <>"
                    " (SELECT COUNT(*) FROM OEORDD D WHERE D.ORDUNIQ = H.ORDUNIQ)"),
              0);
    // Comments the panel must wrap.
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM OEORDH WHERE length(RTRIM(COMMENT)) > 50"), 0);
    EXPECT_GT(count(db, "SELECT COUNT(*) FROM OEORDH WHERE instr(COMMENT, char(13, 10)) > 0"), 0);
    EXPECT_GT(count(db, "SELECT COUNT(DISTINCT ORDUNIT) FROM OEORDD WHERE ORDUNIT IN ('KG','EA')"),
              1);
    EXPECT_EQ(count(db,
                    "SELECT COUNT(*) FROM OEORDD WHERE abs(EXTWEIGHT - QTYORDERED * UNITWEIGHT)"
                    " > 0.0001"),
              0);
}

// The lot search's joins of the eight site views: one row per level-1 lot, and every date
// converts.
TEST_F(DemoCompany, LotStatementGivesOneRowPerLot) {
    const QString statement =
        "SELECT dbo.ICXLOT.LOTNUM, CONVERT(DATETIME, CONVERT(CHAR(8), dbo.ICXLOT.STOCKDATE)) AS "
        "STOCKDATE, CONVERT(DATETIME, CONVERT(CHAR(8), dbo.ICXLOT.EXPIRYDATE)) AS EXPIRYDATE, "
        "dbo.OPTGRADE.GRADE, dbo.OPTPRODDATE.PRODDATE FROM dbo.ICXLOT INNER JOIN dbo.ICITEM ON "
        "dbo.ICXLOT.ITEMNUM = dbo.ICITEM.ITEMNO "
        "LEFT OUTER JOIN dbo.OPTPRODDATE ON dbo.ICXLOT.LOTNUM = dbo.OPTPRODDATE.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTWHSCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTWHSCODE.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTPRODCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTPRODCODE.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTLOTNUMBER ON dbo.ICXLOT.LOTNUM = dbo.OPTLOTNUMBER.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTGRADE ON dbo.ICXLOT.LOTNUM = dbo.OPTGRADE.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTPALLETSTATUS ON dbo.ICXLOT.LOTNUM = dbo.OPTPALLETSTATUS.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTORDPICK ON dbo.ICXLOT.LOTNUM = dbo.OPTORDPICK.LOTNUM "
        "LEFT OUTER JOIN dbo.OPTCUSTCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTCUSTCODE.LOTNUM "
        "WHERE (dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICITEM.CATEGORY LIKE '%%')";
    auto connection =
        qv::Connection::open(qv::connectionString("DEMO"), qv::DatabaseSetting::sqlite(path_));
    qv::Recordset rows(*connection, statement);
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
    const QString a = dump(qv::data::openWritableCompany(dir.filePath("a.sqlite")).get());
    EXPECT_EQ(a, dump(qv::data::openWritableCompany(dir.filePath("b.sqlite")).get()));
    EXPECT_NE(a, dump(qv::data::openWritableCompany(dir.filePath("c.sqlite")).get()));
    EXPECT_EQ(qv::data::demoGeneratedOn(dir.filePath("a.sqlite")), kToday);
    // Only the finished files: no half-written part left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(DemoGeneration, AFailureLeavesNoFileBehind) {
    QTemporaryDir dir;
    const QString target = dir.filePath("taken");
    ASSERT_TRUE(QDir().mkpath(target + "/inside"));  // a folder cannot be replaced by a file
    EXPECT_THROW(qv::data::generateDemoCompany(target, smallDemo(1)), std::runtime_error);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
    EXPECT_THROW(
        qv::data::generateDemoCompany(dir.filePath("no/such/folder/x.sqlite"), smallDemo(1)),
        std::runtime_error);
    EXPECT_FALSE(qv::data::demoGeneratedOn(dir.filePath("nothing")).isValid());
}

TEST(EnsureDemoCompany, CreatesOnceReusesAndRenewsWhenOrdersHaveAged) {
    QTemporaryDir home;
    // Restores the test's own data folder however the test ends.
    const std::unique_ptr<const QByteArray, void (*)(const QByteArray*)> restore(
        new QByteArray(qgetenv("XDG_DATA_HOME")), [](const QByteArray* old) {
            qputenv("XDG_DATA_HOME", *old);
            delete old;
        });
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    const qv::data::DemoCompany demo = qv::data::ensureDemoCompany();
    EXPECT_EQ(demo.databasePath, home.filePath("quorvan/DEMO.sqlite"));
    EXPECT_EQ(demo.folder, home.filePath("quorvan/DEMO"));
    EXPECT_EQ(qv::data::demoGeneratedOn(demo.databasePath), QDate::currentDate());

    QFile logo(demo.folder + "/BMP/brisvale.bmp");
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    const QByteArray header = logo.read(30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(header.constData() + 18), 200);
    EXPECT_EQ(qFromLittleEndian<qint32>(header.constData() + 22), 60);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);  // bits per pixel

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
