#include "platform/statement_guard.h"
#include "platform/database.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

namespace {

// The writes and statements joined by ';' are run against both kinds of connection in
// database_test.cpp; here the forms that are harder to see. `why` is null where the statement
// may run.
TEST(StatementGuard, RefusesAnythingButOneSelectNamingWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"update ICITEM SET NOTE = 'x'", "begins with update"},
        {"WITH x AS (SELECT 1 AS A) SELECT A FROM x", "begins with WITH"},
        {"(SELECT 1)", "begins with ("},
        // Comments are no statement: what follows them counts.
        {"/* SELECT */ DELETE FROM ICITEM", "begins with DELETE"},
        {"SELECT 1 FROM ICITEM;", "contains the statement separator ;"},
        // T-SQL runs a batch of statements without any ';' between them.
        {"SELECT 1 DELETE FROM ICITEM", "contains DELETE"},
        {"SELECT 1 EXEC('DROP TABLE ICITEM')", "contains EXEC"},
        {"SELECT * INTO COPY FROM ICITEM", "contains INTO"},
        {"SELECT 1 SELECT 2", "contains a second SELECT"},
        {"SELECT 1) SELECT 2", "contains a second SELECT"},
        {"SELECT * FROM OPENQUERY(S, 'DELETE FROM ICITEM')", "contains OPENQUERY"},
        {"SELECT * FROM ICITEM {call p}", "contains call"},
        {"  -- nothing\n /* at all */ ", "is empty"},
        // The program's own: blanks first, CASE, CONVERT, [DESC], a typed text whose
        // apostrophe is doubled, GROUP BY and HAVING.
        {"   SELECT L.LOCATION, CASE I.UNIT WHEN 'KG' THEN L.Q ELSE CAST(L.Q AS INT) END AS Q, "
         "CONVERT(DATETIME, CONVERT(CHAR(8), L.D)) AS D, I.[DESC] AS ITEMDESC FROM dbo.L INNER "
         "JOIN dbo.I ON L.ITEMNUM = I.ITEMNO WHERE (L.LOTNUM LIKE '%x''; DELETE FROM ICITEM --%')"
         "   ORDER BY ITEMNUM ",
         nullptr},
        {" SELECT  COUNT(L.LOTNUM) AS COUNT FROM dbo.L GROUP BY L.QTYLEVEL HAVING (L.Q = 1) ",
         nullptr},
        // Words only look dangerous inside literals, quoted names and comments.
        {"SELECT [DELETE], \"INSERT\", 'a;b' AS [x;y] FROM T -- ; DROP TABLE T\n/* ; COMMIT */",
         nullptr},
        {"SELECT A FROM T WHERE A IN (SELECT B FROM U) UNION ALL SELECT C FROM V except "
         "select d from w",
         nullptr},
    };
    for (const auto& [sql, why] : cases) {
        const std::string refusal = qv::tests::thrownText<qv::platform::DbError>([&] {
                                        qv::platform::requireSingleSelect(sql);
                                    }).toStdString();
        EXPECT_EQ(
            refusal,
            why ? std::string("Only a single SELECT statement can be run: this one ") + why + "."
                : "")
            << sql;
    }
}

}  // namespace
