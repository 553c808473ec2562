#include "tests/fuzz/fuzz_support.h"

#include "platform/database.h"
#include "platform/statement_guard.h"
#include "platform/tsql_dialect.h"

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

namespace qv::tests {

QStringList typedTexts(const std::uint8_t* data, std::size_t size, qsizetype count) {
    QStringList parts = typedText(data, size).split(u'\n');
    while (parts.size() < count)
        parts.append(QString());
    while (parts.size() > count)
        parts[count - 1] += u'\n' + parts.takeAt(count);
    return parts;
}

void require(bool ok, const char* what, const QString& detail) {
    if (ok)
        return;
    constexpr qsizetype kShown = 2000;  // libFuzzer keeps the whole input anyway
    std::fprintf(stderr, "fuzz check failed: %s\n%s%s\n", what, qPrintable(detail.left(kShown)),
                 detail.size() > kShown ? " ..." : "");
    std::abort();
}

void requireSafeStatement(const QString& built, const QString& builtFromHarmless) {
    // The SQL without the contents of its '...' literals ('' inside one is part of it); an
    // unterminated literal keeps its opening quote only.
    static const QRegularExpression kLiteral("'(?:[^']++|'')*+('?)");
    require(QString(built).replace(kLiteral, "'\\1") ==
                QString(builtFromHarmless).replace(kLiteral, "'\\1"),
            "typed text stays inside string literals", built);
    try {
        platform::requireSingleSelect(built);
        platform::rewriteTsqlForSqlite(built);
    } catch (const platform::DbError& e) {
        require(false, "a statement built from typed text is run", e.text() + u'\n' + built);
    }
}

}  // namespace qv::tests
