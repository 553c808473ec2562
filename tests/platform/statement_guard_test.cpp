#include "platform/statement_guard.h"
#include "platform/database.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

namespace {

// The refusal's text for a statement, or "" when it may run.
std::string refusal(const QString& sql) {
    return qv::tests::thrownText<qv::platform::DbError>(
               [&] { qv::platform::requireSingleSelect(sql); })
        .toStdString();
}

// The writes and statements joined by ';' are run against both kinds of connection in
// database_test.cpp; here the forms that are harder to see.
TEST(StatementGuard, RefusesAnythingButOneSelectNamingWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"update ICITEM SET NOTE = 'x'", "begins with update"},
        {"WITH x AS (SELECT 1 AS A) SELECT A FROM x", "begins with WITH"},
        {"(SELECT 1)", "begins with ("},
        // Comments are no statement: what follows them counts.
        {"/* SELECT */ DELETE FROM ICITEM", "begins with DELETE"},
        {"-- SELECT\nDELETE FROM ICITEM", "begins with DELETE"},
        {"SELECT 1 FROM ICITEM;", "contains the statement separator ;"},
        // T-SQL runs a batch of statements without any ';' between them.
        {"SELECT 1 DELETE FROM ICITEM", "contains DELETE"},
        {"SELECT 1 EXEC('DROP TABLE ICITEM')", "contains EXEC"},
        {"SELECT 1 COMMIT", "contains COMMIT"},
        {"SELECT * INTO COPY FROM ICITEM", "contains INTO"},
        {"SELECT 1 SELECT 2", "contains a second SELECT"},
        {"SELECT 1) SELECT 2", "contains a second SELECT"},
        {"SELECT * FROM OPENQUERY(S, 'DELETE FROM ICITEM')", "contains OPENQUERY"},
        {"SELECT * FROM ICITEM {call p}", "contains call"},
        {"", "is empty"},
        {"  -- nothing\n /* at all */ ", "is empty"},
    };
    for (const auto& [sql, why] : cases)
        EXPECT_EQ(refusal(sql),
                  std::string("Only a single SELECT statement can be run: this one ") + why + ".");
}

TEST(StatementGuard, LetsTheProgramsStatementsThrough) {
    const char* const statements[] = {
        // The lot search: blanks first, CASE, CONVERT, [DESC], LIKE with a typed text whose
        // apostrophe is doubled, then the printout's sort clause.
        "   SELECT dbo.ICXLOT.LOCATION, CASE dbo.ICITEM.STOCKUNIT WHEN 'KG' THEN "
        "dbo.ICXLOT.QTYAVAIL ELSE CAST(dbo.ICXLOT.QTYAVAIL AS INT) END AS QTYAVAIL, "
        "CONVERT(DATETIME, CONVERT(CHAR(8), dbo.ICXLOT.STOCKDATE)) AS STOCKDATE, "
        "dbo.ICITEM.[DESC] AS ITEMDESC FROM dbo.ICXLOT INNER JOIN dbo.ICITEM ON "
        "dbo.ICXLOT.ITEMNUM = dbo.ICITEM.ITEMNO WHERE (dbo.ICXLOT.QTYLEVEL = 1)   AND "
        "(dbo.ICXLOT.LOTNUM LIKE '%x''; DELETE FROM ICITEM --%')   ORDER BY ITEMNUM, LOCATION ",
        // A summary.
        " SELECT  COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL  FROM "
        " dbo.ICXLOT   GROUP BY dbo.ICXLOT.QTYLEVEL, dbo.ICXLOT.LOCATION  HAVING "
        "(dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOT.LOCATION = 'A1')",
        // Order lines.
        " SELECT  ORDUNIQ, ITEM, [DESC] AS ITEMDESC, QTYORDERED, EXTWEIGHT,PICKSEQ  From "
        "dbo.OEORDD  WHERE (ORDUNIQ = '12') ",
        // Words only look dangerous inside literals, quoted names and comments.
        "SELECT [DELETE], \"INSERT\", 'a;b' AS [x;y] FROM T -- ; DROP TABLE T\n/* ; COMMIT */",
        "SELECT A FROM T WHERE A IN (SELECT B FROM U) UNION ALL SELECT C FROM V",
        "select a from t except select b from u intersect select c from w",
    };
    for (const char* sql : statements)
        EXPECT_EQ(refusal(sql), "") << sql;
}

}  // namespace
