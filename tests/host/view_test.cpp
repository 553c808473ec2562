#include "host/view.h"
#include "host/host_error.h"
#include "host/view_catalog.h"
#include "tests/host/sample_company.h"
#include "tests/support/lock_holder.h"
#include "tests/support/odbc_data_source.h"
#include "tests/support/thrown_text.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv::host {
namespace {

class ViewTest : public tests::SampleCompanyTest {
protected:
    // The trimmed values of one field over the records a filter selects.
    QStringList select(const QString& viewId, const QString& filter, const QString& field,
                       bool ascending = true) {
        auto view = link->openView(viewId);
        view->browse(filter, ascending);
        QStringList values;
        while (view->fetch())
            values << view->field(field).toString().trimmed();
        return values;
    }

    static QString errorOf(const std::function<void()>& call) {
        return tests::thrownText<HostError>(call);
    }
};

TEST_F(ViewTest, FieldNumbersAreNamedAndRecordsComeInKeyOrder) {
    auto view = link->openView("OE0520");
    EXPECT_EQ(view->fieldName(1), "ORDUNIQ");
    EXPECT_EQ(view->fieldName(46), "REFERENCE");
    for (int unused : {0, 4, 47})
        EXPECT_EQ(errorOf([&] { view->fieldValue(unused); }),
                  QString("OE0520: no field number %1").arg(unused));

    EXPECT_EQ(select("IC0370", "", "LOCATION"), (QStringList{"A1", "B2", "XA1Y"}));
    EXPECT_EQ(select("IC0370", "", "LOCATION", false), (QStringList{"XA1Y", "B2", "A1"}));
    // ICXLOT's key is LOTNUM, ITEMNUM, LOCATION.
    EXPECT_EQ(select("IC0810", "", "LOTNUM"), (QStringList{"LOT12", "LOT120", "LOT2", "LOT3"}));
}

// The demo schema and the field numbers cannot drift apart: each number names its column.
TEST_F(ViewTest, FieldNumbersNameTheDemoSchemasColumnsAtThosePlaces) {
    auto connection =
        platform::Connection::open(platform::connectionString("TEST"), company.setting());
    for (const ViewDefinition& definition : viewDefinitions()) {
        QSqlQuery info("SELECT name FROM pragma_table_info('" + definition.table + "')",
                       connection->database());
        QStringList columns;
        while (info.next())
            columns << info.value(0).toString();
        for (const auto& [number, name] : definition.fields)
            EXPECT_EQ(columns.value(number - 1), name) << definition.id.toStdString() << number;
    }
}

TEST_F(ViewTest, FieldNumbersDoNotDependOnTheTablesColumnOrder) {
    company.exec(
        "DROP TABLE ICLOC; CREATE TABLE ICLOC (AUDTDATE INTEGER, [DESC] CHAR(60), "
        "LOCATION CHAR(6) PRIMARY KEY); INSERT INTO ICLOC VALUES (20240101, 'Yard', 'Y1')");
    auto view = link->openView("IC0370");
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->fieldName(1), "LOCATION");
    EXPECT_EQ(view->fieldValue(1).toString(), "Y1");
    EXPECT_EQ(view->fieldValue(2).toString(), "Yard");
    view->release();

    company.exec("ALTER TABLE ICLOC DROP COLUMN [DESC]");
    EXPECT_EQ(errorOf([&] { link->openView("IC0370"); }),
              "IC0370: the company database has no column DESC for field 2");
}

TEST_F(ViewTest, NeverBrowsedViewFetchesEverythingAndFieldsReadInAnyCase) {
    auto view = link->openView("IC0210");
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->field("category").toString().trimmed(), "A");
    EXPECT_EQ(view->field("Desc").toString().trimmed(), "");
    EXPECT_EQ(view->fieldValue(1), view->field("CATEGORY"));
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->field("CATEGORY").toString().trimmed(), "C");
    EXPECT_FALSE(view->fetch());
    EXPECT_FALSE(view->fetch());

    const QString unknown = errorOf([&] { view->field("NOSUCH"); });
    EXPECT_TRUE(unknown.contains("NOSUCH") && unknown.contains("IC0210")) << unknown.toStdString();
    const QString unknownView = errorOf([&] { link->openView("IC9999"); });
    EXPECT_TRUE(unknownView.contains("IC9999")) << unknownView.toStdString();

    view->release();
    EXPECT_TRUE(errorOf([&] { view->fetch(); }).contains("released"));
}

TEST_F(ViewTest, FiltersTheProgramBuildsSelectTheRightRecords) {
    EXPECT_EQ(select("CS0012", R"((OPTFIELD = "PALLETSTATUS"))", "VALUE"),
              (QStringList{"HOLD", "OK"}));
    EXPECT_EQ(select("IC0810", R"((LOTNUM LIKE "%12%" AND QTYLEVEL = 1))", "LOTNUM"),
              (QStringList{"LOT12"}));
    EXPECT_EQ(select("IC0370", R"((LOCATION LIKE "%A1%") AND (INACTIVE = 0))", "LOCATION"),
              (QStringList{"A1", "XA1Y"}));
    EXPECT_EQ(select("IC0310", R"((ITEMNO LIKE "%%"))", "ITEMNO"), (QStringList{"A100", "B200"}));
    // A blank VALIFTEXT is not greater than three blanks.
    EXPECT_EQ(
        select("IC0812", R"((OPTFIELD = "PRODCODE") AND (VALUE LIKE "%%") AND (VALIFTEXT > "   "))",
               "LOTNUM"),
        (QStringList{"LOT12"}));
    EXPECT_EQ(select("CS0012", R"((OPTFIELD = "CUSTCODE") AND (VALUE LIKE "%C%"))", "VALUE"),
              (QStringList{"C", "CX"}));
    EXPECT_EQ(select("OE0520",
                     R"((ORDNUMBER LIKE "%%") AND (ORDDATE > 20261106) AND (NUMSHPMENT =0) )"
                     R"(AND (CUSTOMER LIKE "%10927%") )",
                     "ORDNUMBER"),
              (QStringList{"ORD3"}));
}

TEST_F(ViewTest, ComparisonsFollowTheCompanyRules) {
    // Case and the padding of CHAR values are ignored; _ stands for one character.
    EXPECT_EQ(select("IC0370", R"(location = "a1")", "LOCATION"), (QStringList{"A1"}));
    EXPECT_EQ(select("IC0370", R"("xa1y" = LOCATION)", "LOCATION"), (QStringList{"XA1Y"}));
    EXPECT_EQ(select("IC0810", R"(LOTNUM LIKE "lot1_")", "LOTNUM"), (QStringList{"LOT12"}));
    EXPECT_EQ(select("IC0810", R"(NOT LOTNUM LIKE "LOT1%" OR QTYAVAIL >= 12.5)", "LOTNUM"),
              (QStringList{"LOT12", "LOT2", "LOT3"}));
    // Text that looks like SQL stays a value.
    EXPECT_TRUE(select("IC0370", R"(LOCATION = "x' OR '1'='1")", "LOCATION").isEmpty());

    const QString malformed = errorOf([&] { select("IC0810", "(LOTNUM LIKE )", "LOTNUM"); });
    EXPECT_EQ(malformed, "IC0810: filter error at position 14: expected a value");
    const QString unknown = errorOf([&] { select("IC0370", "ITEMNO = 1", "LOCATION"); });
    EXPECT_EQ(unknown, "IC0370: filter error at position 1: unknown field ITEMNO");
}

TEST_F(ViewTest, SqlViewRunsOneStatement) {
    auto view = link->openView("CS0120");
    view->reset();
    view->browse(
        " SELECT COUNT(LOTNUM) AS [COUNT], SUM(QTYAVAIL) AS QTYTOTAL, NULL AS NOVALUE "
        " FROM dbo.ICXLOT WHERE (dbo.ICXLOT.ITEMNUM = 'a100') ",
        true);
    view->internalSet(256);
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->field("count").toInt(), 2);
    EXPECT_DOUBLE_EQ(view->field("QTYTOTAL").toDouble(), 15.5);
    EXPECT_TRUE(view->field("NOVALUE").isNull());
    EXPECT_FALSE(view->fetch());
    // After the last record a field reads as null rather than failing.
    EXPECT_TRUE(view->field("COUNT").isNull());
    EXPECT_TRUE(errorOf([&] { view->field("ITEMDESC"); }).contains("ITEMDESC"));

    view->browse(" SELECT ORDNUMBER FROM dbo.OEORDH ORDER BY ORDUNIQ ", true);
    QStringList orders;
    while (view->fetch())
        orders << view->field("ORDNUMBER").toString().trimmed();
    EXPECT_EQ(orders, (QStringList{"ORD1", "ORD2", "ORD3", "ORD4"}));

    EXPECT_TRUE(
        errorOf([&] { view->browse("SELECT NOPE FROM dbo.ICXLOT", true); }).startsWith("CS0120: "));
}

// A plain company file (no T-SQL functions needed), reached as an SQLite file (false) and
// through an ODBC data source named like the company (true).
class EitherKindView : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        std::string why;
        if (GetParam() && tests::registeredSqlite3Driver(why).isEmpty())
            GTEST_SKIP() << "No ODBC test: " << why;
        file = dir.filePath("brisvale.sqlite");
        auto db = data::openWritableCompany(file);
        data::execSql(db.get(),
                      "CREATE TABLE ICLOC (LOCATION CHAR(6) PRIMARY KEY, [DESC] CHAR(60), "
                      "INACTIVE INTEGER); INSERT INTO ICLOC VALUES ('A1', 'Aisle one', 0)");
        if (GetParam())
            tests::addOdbcDataSource(dir.path(), "BRISVALE", file);
    }
    std::unique_ptr<View> open(const QString& viewId) {
        const platform::DatabaseSetting setting =
            GetParam() ? platform::DatabaseSetting{} : platform::DatabaseSetting::sqlite(file);
        return DbLink("BRISVALE", setting, 1, 1).openView(viewId);
    }
    static QString errorOf(const std::function<void()>& call) {
        return tests::thrownText<HostError>(call);
    }

    QTemporaryDir dir;
    QString file;
};

TEST_P(EitherKindView, SqlViewRunsNothingButASingleSelect) {
    auto view = open("CS0120");
    for (const char* sql : {"INSERT INTO ICLOC VALUES ('B2', 'Bay', 0)", "DELETE FROM ICLOC",
                            "COMMIT", "SELECT 1 AS X; DELETE FROM ICLOC"}) {
        EXPECT_TRUE(errorOf([&] {
                        view->browse(sql, true);
                    }).startsWith("CS0120: Only a single SELECT statement can be run"))
            << sql;
    }
    view->browse("SELECT COUNT(*) AS N FROM ICLOC", true);
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->field("N").toInt(), 1);
}

// Another process holds the company file: the driver's words say so, not a missing table.
TEST_P(EitherKindView, ALockedCompanyIsReportedAsLocked) {
    if (!tests::LockHolder::available())
        GTEST_SKIP() << "no sqlite3 shell to hold a lock";
    const tests::LockHolder lock(file);
    const QString text = errorOf([&] { open("IC0370"); });
    EXPECT_TRUE(text.startsWith("IC0370: ") && text.contains("database is locked"))
        << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kinds, EitherKindView, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Odbc" : "Sqlite"; });

}  // namespace
}  // namespace qv::host
