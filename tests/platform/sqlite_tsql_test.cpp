#include "platform/sqlite_tsql.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using Cases = std::initializer_list<std::pair<std::string, std::string>>;

// An in-memory database with the functions registered, and tables whose values are padded
// (t) or whose LIKE pattern changes per row (p).
class TsqlFunctions : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
        ASSERT_EQ(qv::platform::registerTsqlFunctions(db_), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db_,
                               "CREATE TABLE t (v CHAR(6) COLLATE TSQL_CI);"
                               "INSERT INTO t VALUES ('KG    '), ('kg'), ('Kg  '), ('EA');"
                               "CREATE TABLE p (pattern TEXT, value TEXT);"
                               "INSERT INTO p VALUES ('a%', 'abc'), ('%z', 'abc'), ('[b]%', 'Bcd')",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
    }
    void TearDown() override { sqlite3_close(db_); }

    // The first row's columns joined by '|', NULL as "NULL", or "ERROR: " and the message.
    std::string run(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            return "ERROR: " + std::string(sqlite3_errmsg(db_));
        std::string out;
        const int rc = sqlite3_step(stmt);
        for (int i = 0; rc == SQLITE_ROW && i < sqlite3_column_count(stmt); ++i) {
            const auto* text = sqlite3_column_text(stmt, i);
            out += (i > 0 ? "|" : "") +
                   std::string(text ? reinterpret_cast<const char*>(text) : "NULL");
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            out = "ERROR: " + std::string(sqlite3_errmsg(db_));
        sqlite3_finalize(stmt);
        return out;
    }
    void expectAll(Cases cases) {
        for (const auto& [sql, expected] : cases)
            EXPECT_EQ(run("SELECT " + sql), expected) << sql;
    }

    sqlite3* db_ = nullptr;
};

TEST_F(TsqlFunctions, CollationAndLikeFollowSqlServer) {
    expectAll({
        {"'ABC   ' = 'abc' COLLATE TSQL_CI, 'abc' = ' abc' COLLATE TSQL_CI", "1|0"},
        {"'Ärger' = 'äRGER ' COLLATE TSQL_CI, 'e' = 'é' COLLATE TSQL_CI", "1|0"},
        // Ordered as if padded with blanks, so the order agrees with equality.
        {"'ab' < 'ab!' COLLATE TSQL_CI, 'ab' > ('ab' || char(9)) COLLATE TSQL_CI, "
         "'B' > 'a' COLLATE TSQL_CI",
         "1|1|1"},
        {"count(DISTINCT v), (SELECT count(*) FROM t WHERE v = 'KG') FROM t", "2|3"},
        {"CASE v WHEN 'kg' THEN 'yes' END FROM t WHERE rowid = 1", "yes"},
        {"'A100  ' LIKE '%a1%', 'A100   ' LIKE 'a100', 'abc  ' LIKE 'abc_', 'abc' LIKE 'abc '",
         "1|1|1|0"},
        {"'xBz' LIKE '_[a-c]_', 'xdz' LIKE '_[a-c]_', 'xdz' LIKE '_[^a-c]_', "
         "'xbz' LIKE '_[^A-C]_', 'x-z' LIKE 'x[-q]z', 'q' LIKE '[xyq]'",
         "1|0|1|0|1|1"},
        {"'aXbXc' LIKE '%x%x%c', 'aXbXd' LIKE '%x%x%c', 'ab' LIKE '%%%b%', '' LIKE '%', "
         "'' LIKE '_'",
         "1|0|1|1|0"},
        {"'Ündel' LIKE 'ü%', 'a[b' LIKE 'a[b', '50%' LIKE '50!%' ESCAPE '!', "
         "'50x' LIKE '50!%' ESCAPE '!', NULL LIKE 'a'",
         "1|1|1|0|NULL"},
        // A pattern that changes per row is compiled per row.
        {"group_concat(value LIKE pattern) FROM p", "1,0,1"},
    });
    EXPECT_EQ(run("PRAGMA automatic_index"), "0");
}

TEST_F(TsqlFunctions, ConvertFollowsSqlServer) {
    const std::string format =
        "ERROR: Conversion failed when converting date and/or time from character string.";
    const std::string range =
        "ERROR: The conversion of a char data type to a datetime data type resulted in an "
        "out-of-range value.";
    const std::string overflow =
        "ERROR: Arithmetic overflow error converting expression to data type ";
    expectAll({
        {"'[' || tsql_convert('CHAR(8)', 'ab') || ']', tsql_convert('CHAR(8)', 20240507), "
         "tsql_convert('VARCHAR(3)', 'abcdef'), tsql_convert('CHAR(2)', 'äöü')",
         "[ab      ]|20240507|abc|äö"},
        // Too long a whole number shows as an asterisk.
        {"tsql_convert('char(2)', 123), tsql_convert('CHAR(8)', NULL)", "* |NULL"},
        {"tsql_convert('DECIMAL(9,2)', 1)",
         "ERROR: CONVERT to type 'DECIMAL(9,2)' is not supported"},
        {"CAST(12.9 AS INT), CAST(-12.9 AS INT), tsql_convert('INT', 12.9), "
         "tsql_convert('INT', ' -7 '), tsql_convert('INT', '')",
         "12|-12|12|-7|0"},
        {"tsql_convert('INT', '12.5')",
         "ERROR: Conversion failed when converting the varchar value '12.5' to data type int."},
        {"tsql_convert('INT', 3000000000)", overflow + "int."},
        {"tsql_convert('DATETIME', tsql_convert('CHAR(8)', 20240507))", "2024-05-07 00:00:00.000"},
        {"tsql_convert('DATETIME', ''), tsql_convert('DATETIME', '240507'), "
         "tsql_convert('DATETIME', '9912'), tsql_convert('DATETIME', ' 2024-5-7 10:11:12.5 '), "
         "tsql_convert('DATETIME', '2024-02-29T23:59:59')",
         "1900-01-01 00:00:00.000|2024-05-07 00:00:00.000|9912-01-01 00:00:00.000|"
         "2024-05-07 10:11:12.500|2024-02-29 23:59:59.000"},
        {"tsql_convert('DATETIME', '20000229'), tsql_convert('DATETIME', NULL)",
         "2000-02-29 00:00:00.000|NULL"},
        {"tsql_convert('DATETIME', '0       ')", format},
        {"tsql_convert('DATETIME', '2024-05-07 25:00')", format},
        {"tsql_convert('DATETIME', '20240231')", range},
        {"tsql_convert('DATETIME', '17520101')", range},
        {"tsql_convert('DATETIME', '19000229')", range},
        // A number counts days from 1900-01-01, its fraction the time of day.
        {"tsql_convert('DATETIME', 0), tsql_convert('DATETIME', 45417), "
         "tsql_convert('DATETIME', -53690), tsql_convert('DATETIME', 2958463.75), "
         "tsql_convert('DATETIME', 1.5 + 1 / 86400.0 / 300)",
         "1900-01-01 00:00:00.000|2024-05-07 00:00:00.000|1753-01-01 00:00:00.000|"
         "9999-12-31 18:00:00.000|1900-01-02 12:00:00.003"},
        {"tsql_convert('DATETIME', 20240507)", overflow + "datetime."},
        {"tsql_convert('DATETIME', 2958464)", overflow + "datetime."},
    });
    EXPECT_TRUE(qv::platform::isSupportedConvertType("nvarchar ( 20 )"));
    EXPECT_FALSE(qv::platform::isSupportedConvertType("CHAR(0)"));
    EXPECT_FALSE(qv::platform::isSupportedConvertType("CHAR(MAX)"));
}

}  // namespace
