#include "platform/formats.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using qv::platform::formatNumber;

// The patterns of the lot list and its totals are its own test's; here the rules behind them.
TEST(NumberFormat, Texts) {
    const struct {
        double value;
        const char16_t* pattern;
        const char* text;
    } cases[] = {
        // Zero shows only the always-shown digits; rounding to zero shows no sign either.
        {0, u"#,###.#0 ", ".00 "},
        {0, u"###,##0 ", "0 "},
        {-0.4, u"#,###", ""},
        // Groups and decimals.
        {1000, u"#,###,##0 ", "1,000 "},
        {1.25, u"0.0#", "1.25"},
        // Signs, and halves rounded away from zero.
        {-0.25, u"#,###.#0 ", "-.25 "},
        {-2147483648.0, u"###,###,###", "-2,147,483,648"},
        {2.5, u"#,###", "3"},
        {-2.5, u"#,###", "-3"},
        // Decimals stored as doubles round as the decimal they stand for.
        {1.005, u"#,###.#0 ", "1.01 "},
        {999.995, u"#,###.#0 ", "1,000.00 "},
        {std::numeric_limits<double>::infinity(), u"#,###", "inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value;
    for (const char16_t* bad : {u"abc", u"#.#.#", u"#x#"})
        EXPECT_THROW(qv::platform::NumberFormat{bad}, std::invalid_argument);
}

TEST(DateFormat, WritesReadsAndConvertsDates) {
    EXPECT_EQ(qv::platform::formatDate(QDate(2024, 3, 7)), "2024-03-07");
    EXPECT_EQ(qv::platform::formatDate(QDate()), "");
    // A year of more or fewer than four digits is still shown, not left empty.
    EXPECT_EQ(qv::platform::formatDate(QDate(12345, 6, 7)), "12345-06-07");
    EXPECT_EQ(qv::platform::formatDate(QDate(-44, 3, 15)), "-0044-03-15");
    for (const char16_t* text :
         {u"2024-05-07 13:45:10.123", u"2024-05-07T13:45:10", u"5/7/2024", u" 2024-05-07  "})
        EXPECT_TRUE(qv::platform::readsAsDate(text)) << QString::fromUtf16(text).toStdString();
    for (const char16_t* text :
         {u"20240507", u"2024-02-30", u"2024-05-07 25:00:00", u"13/1/2024", u"5/7/24"})
        EXPECT_FALSE(qv::platform::readsAsDate(text)) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(qv::platform::dateFromText(u"5/7/2024"), QDate(2024, 5, 7));
    EXPECT_EQ(qv::platform::dateOf(QVariant(QString("2024-05-01 00:00:00.000"))),
              QDate(2024, 5, 1));
    EXPECT_FALSE(qv::platform::dateOf(QVariant(20240501)).has_value());
    EXPECT_FALSE(qv::platform::dateOf(QVariant(QMetaType(QMetaType::QString))).has_value());
}

// The error's naming of the total is the lot totals' test.
TEST(AddRounded, HalvesGoToTheEvenNeighbourAndLeavingThe32BitRangeIsAnError) {
    EXPECT_EQ(qv::platform::addRounded(qv::platform::addRounded(0, 2.5), 2.5), 4);
    EXPECT_EQ(qv::platform::addRounded(0, -2.5), -2);
    EXPECT_EQ(qv::platform::addRounded(2147483000, 647), 2147483647);
    EXPECT_THROW(qv::platform::addRounded(2147483647, 1), std::overflow_error);
    EXPECT_THROW(qv::platform::addRounded(-2147483647, -2), std::overflow_error);
    EXPECT_THROW(qv::platform::addRounded(0, std::numeric_limits<double>::quiet_NaN()),
                 std::overflow_error);
}

// SQLite hands decimal columns over as doubles, which Qt would write with an exponent.
TEST(ValueText, WholeNumbersWithoutExponentOtherValuesAsGiven) {
    const std::pair<QVariant, QString> cases[] = {
        {100000.0, "100000"}, {-3.0, "-3"}, {12.5, "12.5"}, {QString("AB  "), "AB  "}, {{}, ""}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(qv::platform::valueText(value), text) << value.toString().toStdString();
}
