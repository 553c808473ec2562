#include "platform/tsql_dialect.h"
#include "platform/database.h"
#include "tests/support/small_stack.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

namespace {

using qv::platform::rewriteTsqlForSqlite;

// The refusal's text for a statement, or "" when it is accepted.
QString refusal(const QString& sql) {
    return qv::tests::thrownText<qv::platform::DbError>([&] { rewriteTsqlForSqlite(sql); });
}

TEST(TsqlDialect, DropsSchemaPrefixesRewritesConvertAndKeepsTheRestByteForByte) {
    const QString untouched[] = {
        "SELECT 'dbo.x CONVERT(INT, 1) TOP @v', [dbo.CONVERT], \"TOP\", x.dbo, 'it''s' -- TOP 5 "
        "ISNULL(\n /* @v GETDATE() */ FROM t",
        "SELECT CAST(x.Q AS INT), CASE x.P WHEN NULL THEN 'X' ELSE x.P END, COUNT(x.L) AS COUNT "
        "FROM T x GROUP BY x.L HAVING (x.L = 'C')",
    };
    for (const QString& sql : untouched)
        EXPECT_EQ(rewriteTsqlForSqlite(sql), sql);
    const std::pair<const char*, const char*> cases[] = {
        {"   SELECT dbo.ICXLOT.LOCATION, dbo.ICITEM.[DESC] AS D  FROM dbo.ICXLOT INNER JOIN  "
         "\n\tdbo.ICITEM ON dbo.ICXLOT.ITEMNUM = dbo.ICITEM.ITEMNO LEFT OUTER JOIN  ",
         "   SELECT ICXLOT.LOCATION, ICITEM.[DESC] AS D  FROM ICXLOT INNER JOIN  \n\tICITEM ON "
         "ICXLOT.ITEMNUM = ICITEM.ITEMNO LEFT OUTER JOIN  "},
        {"SELECT * FROM COMP.dbo.ICXLOT, COMP..ICITEM, [dbo].[ICLOC], DBO.OEORDH",
         "SELECT * FROM ICXLOT, ICITEM, [ICLOC], OEORDH"},
        // A dropped prefix must not join its neighbours into another token: one string, a
        // comment, a two-character operator. Where nothing can join, nothing is added.
        {"SELECT 'a'dbo.'b'", "SELECT 'a' 'b'"},
        {"SELECT 1-dbo.-1", "SELECT 1- -1"},
        {"SELECT 2/dbo.*3", "SELECT 2/ *3"},
        {"SELECT 1<dbo.>2, 3|dbo.|4", "SELECT 1< >2, 3| |4"},
        {"SELECT (dbo.T.A),dbo.T.B FROM(dbo.T)", "SELECT (T.A),T.B FROM(T)"},
        {"CONVERT(DATETIME, \n  CONVERT(CHAR(8), dbo.ICXLOT.STOCKDATE)) AS STOCKDATE",
         "tsql_convert('DATETIME', \n  tsql_convert('CHAR(8)', ICXLOT.STOCKDATE)) AS STOCKDATE"},
        {"convert ( varchar (20) , (a + (b * 2)) ), CONVERT",
         "tsql_convert ( 'varchar (20)' , (a + (b * 2)) ), CONVERT"},
    };
    for (const auto& [sql, rewritten] : cases)
        EXPECT_EQ(rewriteTsqlForSqlite(sql).toStdString(), rewritten);
}

TEST(TsqlDialect, RefusesWhatSqliteWouldReadDifferently) {
    const struct {
        const char* sql;
        const char* named;
    } cases[] = {
        {"SELECT TOP 10 * FROM T", "TOP"},
        {"SELECT ISNULL(a, 'x') FROM T", "ISNULL()"},
        {"SELECT * FROM T WITH (INDEX(1))", "WITH (...)"},
        {"SELECT * FROM T (nolock)", "NOLOCK"},
        {"SELECT * FROM T WHERE a = @Item", "@Item"},
        {"SELECT CONVERT(CHAR(10), d, 112) FROM T", "style argument"},
        {"SELECT CONVERT(DECIMAL(9,2), d) FROM T", "CONVERT to DECIMAL(9,2)"},
        {"SELECT CONVERT(DATETIME, CONVERT(CHAR(8), d, 1)) FROM T", "style argument"},
        {"SELECT CAST(d AS DATETIME) FROM T", "CAST(... AS DATETIME)"},
        {"SELECT CAST(CAST(d AS DATE) AS INT) FROM T", "CAST(... AS DATE)"},
        {"SELECT CONVERT(INT, d FROM T", "closing parenthesis"},
    };
    for (const auto& c : cases) {
        const QString text = refusal(c.sql);
        EXPECT_TRUE(text.contains(c.named)) << c.sql << " -> " << text.toStdString();
    }
    EXPECT_EQ(refusal("SELECT CAST(CAST(d AS CHAR(8)) AS INT), CAST((SELECT d AS DATE) AS INT)"),
              "");
    // Every CAST is checked, however deep it is nested.
    const QString deepCast = "SELECT " + QString("CAST(").repeated(20000) + "d AS DATE" +
                             QString(") AS INT").repeated(20000);
    EXPECT_TRUE(refusal(deepCast).contains("CAST(... AS DATE)"));

    // A CONVERT inside another one is rewritten by recursion: nesting deeper than SQLite could
    // parse is refused before it runs out of stack.
    const auto nested = [](int depth) {
        return QString("CONVERT(INT, ").repeated(depth) + "1" + QString(")").repeated(depth);
    };
    EXPECT_EQ(refusal(nested(100)), "");
    QString text;
    qv::tests::runOnSmallStack([&] { text = refusal(nested(5000)); });
    EXPECT_EQ(text.toStdString(),
              "The embedded SQLite company cannot run this statement: CONVERT nested more than "
              "100 deep is not supported.");
}

}  // namespace
