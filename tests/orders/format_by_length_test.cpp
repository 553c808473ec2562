#include "orders/format_by_length.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace qv::orders {
namespace {

const QString kWord60 = QString(60, u'x');
const QString kShortLine = QStringLiteral("Deliver before ten");

struct Case {
    const char* what;
    QString expression;
    int length;
    QString expected;
};

TEST(FormatByLength, WrapsLongLinesBetweenWordsAndEndsEveryLine) {
    const QString longLine =
        QStringLiteral("Please call the receiving dock on arrival; the gate closes at 3pm.");
    const QString wrapped = QStringLiteral(
        "Please call the receiving dock on arrival; the \r\ngate closes at 3pm. \r\n");
    const Case cases[] = {
        {"empty", "", 50, ""},
        {"short line", kShortLine, 50, kShortLine + "\r\n"},
        {"exactly the length", QString(50, u'y'), 50, QString(50, u'y') + "\r\n"},
        {"two short lines", "Pallets wrapped\r\nNo mixed pallets", 50,
         "Pallets wrapped\r\nNo mixed pallets\r\n"},
        {"a line break at the end", "Pallets wrapped\r\n", 50, "Pallets wrapped\r\n\r\n"},
        {"one long word", kWord60, 50, "\r\n" + kWord60 + " \r\n"},
        {"long line", longLine, 50, wrapped},
        // The second long line counts from 0, as if it came alone.
        {"second long line", kShortLine + "\r\n" + longLine, 50, kShortLine + "\r\n" + wrapped},
        // Each blank after the first of a run is an empty word taking one place.
        {"run of blanks", "aaaa    bbbb", 10, "aaaa    \r\nbbbb \r\n"},
        {"trailing blanks", "ab" + QString(7, u' '), 4, "ab  \r\n    \r\n  \r\n"},
        {"a lone line feed is no break", "ab\ncd", 3, "\r\nab\ncd \r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatByLength(c.expression, c.length).toStdString(), c.expected.toStdString())
            << c.what;
}

// A comment as the database keeps it, padded to its column's 250 characters: the padding
// becomes lines holding only blanks, each word and blank followed by one more blank.
TEST(FormatByLength, PaddedCommentGivesBlankLines) {
    const QString comment = kShortLine.leftJustified(250);
    const QStringList lines = FormatByLength(comment, 50).split("\r\n");
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], kShortLine + QString(32, u' '));
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(lines[i], QString(50, u' ')) << i;
    EXPECT_EQ(lines[5], " ");
    EXPECT_EQ(lines[6], "");
}

}  // namespace
}  // namespace qv::orders
