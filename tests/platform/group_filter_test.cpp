#include "platform/group_filter.h"

#include <gtest/gtest.h>

namespace {

std::string filterRowsBeforeGrouping(const char* sql) {
    return qv::platform::filterRowsBeforeGrouping(QString::fromUtf8(sql)).toStdString();
}

TEST(GroupFilter, MovesConditionsOnGroupedColumnsBeforeTheGrouping) {
    EXPECT_EQ(filterRowsBeforeGrouping(
                  " SELECT  COUNT(dbo.L.N) AS COUNT  FROM  dbo.L INNER JOIN dbo.O ON dbo.L.N = "
                  "dbo.O.N  GROUP BY dbo.L.Q, dbo.O.F , dbo.O.V  HAVING (dbo.L.Q = 1) AND "
                  "(dbo.O.F = 'GRADE') AND (dbo.O.V = 'it''s')"),
              " SELECT  COUNT(dbo.L.N) AS COUNT  FROM  dbo.L INNER JOIN dbo.O ON dbo.L.N = "
              "dbo.O.N  WHERE (dbo.L.Q = 1) AND (dbo.O.F = 'GRADE') AND (dbo.O.V = 'it''s') "
              "GROUP BY dbo.L.Q, dbo.O.F , dbo.O.V  ");
    // Conditions on aggregates or on columns not grouped stay after the grouping; the
    // constant may stand first, names may be bracketed and spelled in another case.
    EXPECT_EQ(filterRowsBeforeGrouping("SELECT t.a, COUNT(*) FROM t GROUP BY t.a, t.[B] HAVING "
                                       "COUNT(*) > 2 AND 'x' = T.b AND t.c = 1 ORDER BY t.a"),
              "SELECT t.a, COUNT(*) FROM t WHERE 'x' = T.b GROUP BY t.a, t.[B] HAVING COUNT(*) > "
              "2 AND t.c = 1 ORDER BY t.a");
    EXPECT_EQ(filterRowsBeforeGrouping("select t.a from t group by t.a having ((t.a = 2.5))"),
              "select t.a from t WHERE ((t.a = 2.5)) group by t.a ");
}

TEST(GroupFilter, LeavesEveryOtherStatementAsItIs) {
    const char* const unchanged[] = {
        "SELECT t.a FROM t GROUP BY t.a",
        "SELECT t.a FROM t WHERE t.b = 1 GROUP BY t.a HAVING t.a = 1",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a = 1 OR t.a = 2",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a BETWEEN 1 AND 2",
        "SELECT t.a FROM t GROUP BY t.a HAVING /* note */ t.a = 1",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a = (SELECT MAX(u.a) FROM u)",
        "SELECT a FROM t GROUP BY a HAVING a = 1",  // could be a result alias
        "SELECT t.a FROM t GROUP BY t.a HAVING t.b = 1",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a = t.b",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a = 'x' COLLATE BINARY",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a = 1 AND",
        "SELECT t.a FROM t GROUP BY t.a UNION SELECT u.a FROM u GROUP BY u.a HAVING u.a = 1",
        "SELECT 'GROUP BY t.a HAVING t.a = 1' FROM t",
        "SELECT t.a FROM t GROUP BY t.a HAVING t.a = 'unterminated",
    };
    for (const char* sql : unchanged)
        EXPECT_EQ(filterRowsBeforeGrouping(sql), sql);
}

}  // namespace
