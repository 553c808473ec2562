#include "orders/format_by_length.h"

#include <gtest/gtest.h>

namespace qv::orders {
namespace {

TEST(FormatByLength, WrapsLongLinesBetweenWordsAndEndsEveryLine) {
    const QString word60(60, u'x');
    const QString shortLine = QStringLiteral("Deliver before ten");
    const QString longLine =
        QStringLiteral("Please call the receiving dock on arrival; the gate closes at 3pm.");
    const QString wrapped = QStringLiteral(
        "Please call the receiving dock on arrival; the \r\ngate closes at 3pm. \r\n");
    const struct {
        const char* what;
        QString expression;
        int length;
        QString expected;
    } cases[] = {
        {"empty", "", 50, ""},
        {"exactly the length", QString(50, u'y'), 50, QString(50, u'y') + "\r\n"},
        {"two short lines", "Pallets wrapped\r\nNo mixed pallets", 50,
         "Pallets wrapped\r\nNo mixed pallets\r\n"},
        {"one long word", word60, 50, "\r\n" + word60 + " \r\n"},
        {"long line", longLine, 50, wrapped},
        // The second long line counts from 0, as if it came alone.
        {"second long line", shortLine + "\r\n" + longLine, 50, shortLine + "\r\n" + wrapped},
        // Each blank after the first of a run is an empty word taking one place, so trailing
        // blanks make lines of blanks.
        {"run of blanks", "aaaa    bbbb", 10, "aaaa    \r\nbbbb \r\n"},
        {"trailing blanks", "ab" + QString(7, u' '), 4, "ab  \r\n    \r\n  \r\n"},
        {"a lone line feed is no break", "ab\ncd", 3, "\r\nab\ncd \r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatByLength(c.expression, c.length).toStdString(), c.expected.toStdString())
            << c.what;
}

}  // namespace
}  // namespace qv::orders
