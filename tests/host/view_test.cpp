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

#include <tuple>

namespace qv::host {
namespace {

QString errorOf(const std::function<void()>& call) {
    return tests::thrownText<HostError>(call);
}

class ViewTest : public tests::SampleCompanyTest {
protected:
    // The trimmed values of one field over the records a filter selects, blank-separated.
    QString select(const QString& viewId, const QString& filter, const QString& field,
                   bool ascending = true) {
        auto view = link->openView(viewId);
        view->browse(filter, ascending);
        QStringList values;
        while (view->fetch())
            values << view->field(field).toString().trimmed();
        return values.join(u' ');
    }
};

TEST_F(ViewTest, FieldsByNumberOrAnyCaseAndRecordsInKeyOrder) {
    auto orders = link->openView("OE0520");
    EXPECT_EQ(orders->fieldName(46), "REFERENCE");
    for (int unused : {0, 47})
        EXPECT_EQ(errorOf([&] { orders->fieldValue(unused); }),
                  QString("OE0520: no field number %1").arg(unused));
    EXPECT_EQ(select("IC0370", "", "LOCATION", false), "XA1Y B2 A1");
    // ICXLOT's key is LOTNUM, ITEMNUM, LOCATION.
    EXPECT_EQ(select("IC0810", "", "LOTNUM"), "LOT12 LOT120 LOT2 LOT3");

    auto view = link->openView("IC0210");  // never browsed: fetches everything
    ASSERT_TRUE(view->fetch());
    EXPECT_EQ(view->field("category").toString().trimmed(), "A");
    EXPECT_EQ(view->fieldValue(1), view->field("CATEGORY"));
    ASSERT_TRUE(view->fetch());
    EXPECT_FALSE(view->fetch());
    const QString noSuch = errorOf([&] { view->field("NOSUCH"); });
    EXPECT_TRUE(noSuch.startsWith("IC0210:") && noSuch.contains("NOSUCH"));
    EXPECT_TRUE(errorOf([&] { link->openView("IC9999"); }).contains("IC9999"));
    view->release();
    EXPECT_TRUE(errorOf([&] { view->fetch(); }).contains("released"));
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
    EXPECT_EQ(view->fieldValue(1).toString() + view->fieldValue(2).toString(), "Y1Yard");
    view->release();

    company.exec("ALTER TABLE ICLOC DROP COLUMN [DESC]");
    EXPECT_EQ(errorOf([&] { link->openView("IC0370"); }),
              "IC0370: the company database has no column DESC for field 2");
}

// The company rules: case and the padding of CHAR values ignored, text that looks like SQL
// only a value. The finders' own filters, and LIKE's wildcards, run in the window tests.
TEST_F(ViewTest, FiltersSelectTheRightRecords) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        // A blank VALIFTEXT is not greater than three blanks.
        {"IC0812", R"((OPTFIELD = "PRODCODE") AND (VALUE LIKE "%%") AND (VALIFTEXT > "   "))",
         "LOTNUM", "LOT12"},
        {"IC0370", R"("xa1y" = LOCATION)", "LOCATION", "XA1Y"},
        {"IC0810", R"(NOT LOTNUM LIKE "LOT1%" OR QTYAVAIL >= 12.5)", "LOTNUM", "LOT12 LOT2 LOT3"},
        {"IC0370", R"(LOCATION = "x' OR '1'='1")", "LOCATION", ""},
    };
    for (const auto& [viewId, filter, field, records] : cases)
        EXPECT_EQ(select(viewId, filter, field), records) << filter;

    EXPECT_EQ(errorOf([&] { select("IC0370", "ITEMNO = 1", "LOCATION"); }),
              "IC0370: filter error at position 1: unknown field ITEMNO");
}

TEST_F(ViewTest, SqlViewRunsOneStatementAfterAnother) {
    auto view = link->openView("CS0120");
    view->browse(" SELECT NULL AS NOVALUE, ITEMNUM FROM dbo.ICXLOT WHERE ITEMNUM = 'b200' ", true);
    ASSERT_TRUE(view->fetch());
    EXPECT_TRUE(view->field("NOVALUE").isNull());
    EXPECT_TRUE(errorOf([&] { view->field("ITEMDESC"); }).contains("ITEMDESC"));
    ASSERT_TRUE(view->fetch());
    EXPECT_FALSE(view->fetch());
    EXPECT_TRUE(view->field("itemnum").isNull());  // after the last record, rather than failing

    view->browse(" SELECT LOCATION FROM dbo.ICLOC ORDER BY LOCATION DESC ", true);
    QStringList locations;
    while (view->fetch())
        locations << view->field("LOCATION").toString().trimmed();
    EXPECT_EQ(locations, (QStringList{"XA1Y", "B2", "A1"}));
    // Which statements are refused is the database's own test; the view names itself.
    EXPECT_TRUE(errorOf([&] {
                    view->browse("DELETE FROM ICLOC", true);
                }).startsWith("CS0120: Only a single SELECT statement can be run"));
}

// Over ODBC the columns come from one query, as the driver's catalogue calls would drop a
// lock's error: another process holding the file is reported as such, not as no columns.
TEST(OdbcView, ALockedCompanyIsReportedAsLocked) {
    std::string why;
    if (tests::registeredSqlite3Driver(why).isEmpty() || !tests::LockHolder::available())
        GTEST_SKIP() << "No ODBC driver or sqlite3 shell: " << why;
    QTemporaryDir dir;
    const QString file = dir.filePath("brisvale.sqlite");
    data::execSql(data::openWritableCompany(file).get(),
                  "CREATE TABLE ICLOC (LOCATION CHAR(6) PRIMARY KEY, [DESC] CHAR(60), "
                  "INACTIVE INTEGER)");
    tests::addOdbcDataSource(dir.path(), "BRISVALE", file);
    const tests::LockHolder lock(file);
    const QString text = errorOf([] { DbLink("BRISVALE", {}, 1, 1).openView("IC0370"); });
    EXPECT_TRUE(text.startsWith("IC0370: ") && text.contains("database is locked"))
        << text.toStdString();
}

}  // namespace
}  // namespace qv::host
