#include "platform/statement_guard.h"
#include "platform/database.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

namespace {

// The writes and statements joined by ';' are run against both kinds of connection in
// database_test.cpp, and the program's own statements by every test that searches; here the
// forms that are harder to see. `why` is null where the statement may run.
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
        // Words only look dangerous inside literals, quoted names and comments.
        {"SELECT A FROM T WHERE A LIKE '%x''; DELETE FROM T --%'", nullptr},
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
