#include "host/filter.h"
#include "host/host_error.h"
#include "tests/support/small_stack.h"
#include "tests/support/thrown_text.h"

#include <gtest/gtest.h>

namespace qv::host {
namespace {

const QStringList kFields{"LOTNUM", "QTYLEVEL", "A", "B", "C"};

SqlCondition translate(const QString& filter) {
    return toSqlCondition(parseFilter(filter, kFields).get());
}

QString errorOf(const QString& filter) {
    return tests::thrownText<HostError>([&] { parseFilter(filter, kFields); });
}

TEST(Filter, TranslatesWithEveryConstantBound) {
    const SqlCondition lot = translate(R"((LOTNUM LIKE "%12%" AND QTYLEVEL = 1))");
    EXPECT_EQ(lot.sql, "(([LOTNUM] LIKE ?) AND ([QTYLEVEL] = ?))");
    EXPECT_EQ(lot.values, (QVariantList{"%12%", 1LL}));

    // Names and keywords in any case; the view's spelling of the name is written.
    const SqlCondition lower = translate(R"(not lotnum like "a_" or b != 2.5)");
    EXPECT_EQ(lower.sql, "((NOT ([LOTNUM] LIKE ?)) OR ([B] <> ?))");
    EXPECT_EQ(lower.values, (QVariantList{"a_", 2.5}));

    const SqlCondition quoted = translate(R"(A = "say ""hi"" ' OR 1=1 --" AND B >= -3)");
    EXPECT_EQ(quoted.values, (QVariantList{R"(say "hi" ' OR 1=1 --)", -3LL}));
    EXPECT_EQ(quoted.sql, "(([A] = ?) AND ([B] >= ?))");

    EXPECT_EQ(translate("A<=1 AND B>2 AND C<3").sql, "(([A] <= ?) AND ([B] > ?) AND ([C] < ?))");
    EXPECT_TRUE(translate("   ").sql.isEmpty());
    EXPECT_EQ(parseFilter(QString(), kFields), nullptr);
    // AND binds tighter than OR.
    EXPECT_EQ(translate("A = 1 OR B = 2 AND C = 3").sql,
              "(([A] = ?) OR (([B] = ?) AND ([C] = ?)))");
    EXPECT_EQ(translate("(A = 1 OR B = 2) AND C = 3").sql,
              "((([A] = ?) OR ([B] = ?)) AND ([C] = ?))");
}

TEST(Filter, MalformedFilterNamesThePosition) {
    EXPECT_EQ(errorOf("A = "), "filter error at position 5: expected a value");
    EXPECT_EQ(errorOf("A = 1 B = 2"),
              "filter error at position 7: expected AND, OR or the end of the filter");
    EXPECT_EQ(errorOf("(A = 1"), "filter error at position 7: expected )");
    EXPECT_EQ(errorOf(R"(A = "abc)"),
              "filter error at position 5: text constant without its closing quote");
    EXPECT_EQ(errorOf("A # 1"), "filter error at position 3: unexpected character '#'");
    EXPECT_EQ(errorOf("A 1"), "filter error at position 3: expected a comparison operator");
    EXPECT_EQ(errorOf("A = 12x"),
              "filter error at position 7: unexpected character 'x' in a number");
}

TEST(Filter, NestingIsBoundedRatherThanOverflowingTheStack) {
    EXPECT_EQ(translate(QString(100, '(') + "A = 1" + QString(100, ')')).values, QVariantList{1LL});
    EXPECT_EQ(errorOf(QString(20000, '(')), "filter error at position 101: too deeply nested");
    EXPECT_EQ(errorOf(QString("NOT ").repeated(20000) + "A = 1"),
              "filter error at position 401: too deeply nested");
}

// Typed text can carry a filter of its own: chains of any length are parsed, written and
// freed without recursing once per comparison.
TEST(Filter, LongFlatChainsAreWrittenWithoutDeepRecursion) {
    constexpr int kComparisons = 50000;
    const std::pair<const char*, int> chains[] = {
        {" AND ", kComparisons}, {" OR ", kComparisons}, {" AND C = 0 OR ", 2 * kComparisons - 1}};
    for (const auto& [joiner, values] : chains) {
        QStringList comparisons;
        for (int i = 0; i < kComparisons; ++i)
            comparisons << QStringLiteral("A = %1").arg(i);
        const QString filter = comparisons.join(QLatin1String(joiner));
        SqlCondition condition;
        tests::runOnSmallStack([&] { condition = translate(filter); });
        EXPECT_EQ(condition.values.size(), values) << joiner;
        EXPECT_EQ(condition.values.last(), qlonglong(kComparisons - 1));
        EXPECT_EQ(condition.sql.count(u'('), condition.sql.count(u')'));
    }
}

}  // namespace
}  // namespace qv::host
