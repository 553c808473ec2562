#include "platform/formats.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using qv::formatNumber;

TEST(NumberFormat, ZeroShowsOnlyTheAlwaysShownDigits) {
    EXPECT_EQ(formatNumber(0, u"#,###"), "");
    EXPECT_EQ(formatNumber(0, u"###,###,###  "), "  ");
    EXPECT_EQ(formatNumber(0, u"#,###.#0 "), ".00 ");
    EXPECT_EQ(formatNumber(0, u"###,##0 "), "0 ");
    EXPECT_EQ(formatNumber(0.4, u"#,##0 "), "0 ");
    EXPECT_EQ(formatNumber(-0.4, u"#,###"), "");  // rounds to zero: no sign either
}

TEST(NumberFormat, GroupsAndDecimals) {
    EXPECT_EQ(formatNumber(1234, u"#,###"), "1,234");
    EXPECT_EQ(formatNumber(1234567890, u"###,###,###"), "1,234,567,890");
    EXPECT_EQ(formatNumber(1000, u"#,###,##0 "), "1,000 ");
    EXPECT_EQ(formatNumber(1234.5, u"#,###.#0 "), "1,234.50 ");
    EXPECT_EQ(formatNumber(0.25, u"#,###.#0 "), ".25 ");
    EXPECT_EQ(formatNumber(0.5, u"###,###.#0 "), ".50 ");
}

TEST(NumberFormat, RoundsHalvesAwayFromZeroAndSigns) {
    EXPECT_EQ(formatNumber(-1234, u"#,### "), "-1,234 ");
    EXPECT_EQ(formatNumber(-0.25, u"#,###.#0 "), "-.25 ");
    EXPECT_EQ(formatNumber(-2147483648.0, u"###,###,###"), "-2,147,483,648");
    EXPECT_EQ(formatNumber(1234.6, u"###,##0 "), "1,235 ");
    EXPECT_EQ(formatNumber(2.5, u"#,###"), "3");
    EXPECT_EQ(formatNumber(-2.5, u"#,###"), "-3");
    EXPECT_EQ(formatNumber(0.125, u"#,###.#0 "), ".13 ");
    // Decimals stored as doubles round as the decimal they stand for.
    EXPECT_EQ(formatNumber(1.005, u"#,###.#0 "), "1.01 ");
    EXPECT_EQ(formatNumber(999.995, u"#,###.#0 "), "1,000.00 ");
}

TEST(NumberFormat, OptionalTrailingDecimalsAndBadPatterns) {
    EXPECT_EQ(formatNumber(1.5, u"0.0#"), "1.5");
    EXPECT_EQ(formatNumber(1.25, u"0.0#"), "1.25");
    EXPECT_THROW(qv::NumberFormat(u"abc"), std::invalid_argument);
    EXPECT_THROW(qv::NumberFormat(u"#.#.#"), std::invalid_argument);
    EXPECT_THROW(qv::NumberFormat(u"#x#"), std::invalid_argument);
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), u"#,###"), "inf");
}

TEST(DateFormat, DatesAndTimes) {
    EXPECT_EQ(qv::formatDate(QDate(2024, 3, 7)), "2024-03-07");
    EXPECT_EQ(qv::formatDate(QDate()), "");
    EXPECT_EQ(qv::formatTime(QTime(9, 5, 3)), "09:05:03");
}

TEST(DateFormat, ReadsAsDate) {
    EXPECT_TRUE(qv::readsAsDate(u"2024-05-07 00:00:00"));
    EXPECT_TRUE(qv::readsAsDate(u"2024-05-07 13:45:10.123"));
    EXPECT_TRUE(qv::readsAsDate(u"2024-05-07T13:45:10"));
    EXPECT_TRUE(qv::readsAsDate(u"5/7/2024"));
    EXPECT_TRUE(qv::readsAsDate(u" 2024-05-07  "));
    EXPECT_FALSE(qv::readsAsDate(u"20240507"));
    EXPECT_FALSE(qv::readsAsDate(u"0"));
    EXPECT_FALSE(qv::readsAsDate(u"2024-02-30"));
    EXPECT_FALSE(qv::readsAsDate(u"2024-05-07 25:00:00"));
    EXPECT_FALSE(qv::readsAsDate(u"2024-05-07x"));
    EXPECT_FALSE(qv::readsAsDate(u"13/1/2024"));
    EXPECT_FALSE(qv::readsAsDate(u"5/7/24"));
    EXPECT_EQ(qv::dateFromText(u"5/7/2024"), QDate(2024, 5, 7));
}

TEST(DateFormat, DateOfDatabaseValues) {
    EXPECT_EQ(qv::dateOf(QVariant(QDateTime(QDate(2024, 5, 1), QTime(10, 0)))), QDate(2024, 5, 1));
    EXPECT_EQ(qv::dateOf(QVariant(QString("2024-05-01 00:00:00.000"))), QDate(2024, 5, 1));
    EXPECT_FALSE(qv::dateOf(QVariant(20240501)).has_value());
    EXPECT_FALSE(qv::dateOf(QVariant(QMetaType(QMetaType::QString))).has_value());
    EXPECT_FALSE(qv::dateOf(QVariant(QDate())).has_value());
}

TEST(AddRounded, HalvesGoToTheEvenNeighbourAtEachAddition) {
    qint32 total = qv::addRounded(0, 2.5);
    EXPECT_EQ(total, 2);
    EXPECT_EQ(qv::addRounded(total, 2.5), 4);
    EXPECT_EQ(qv::addRounded(0, 3.5), 4);
    EXPECT_EQ(qv::addRounded(0, -2.5), -2);
}

TEST(AddRounded, LeavingThe32BitRangeIsAnErrorNamingTheTotal) {
    EXPECT_EQ(qv::addRounded(2147483000, 647), 2147483647);
    try {
        qv::addRounded(2147483647, 1, "grade quantity");
        FAIL() << "no error";
    } catch (const std::overflow_error& e) {
        EXPECT_NE(std::string(e.what()).find("grade quantity"), std::string::npos) << e.what();
    }
    EXPECT_THROW(qv::addRounded(-2147483647, -2), std::overflow_error);
    EXPECT_THROW(qv::addRounded(0, std::numeric_limits<double>::quiet_NaN()), std::overflow_error);
}
