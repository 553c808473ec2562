#include "platform/group_filter.h"

#include "platform/tsql_tokens.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace qv::platform {

namespace {

struct Token {
    TsqlToken::Kind kind;
    QStringView text;
    qsizetype begin;
    int depth;  // parentheses open around it
};

// The significant tokens with their depth in parentheses; none when a comment could hide a
// clause from the scan.
std::optional<std::vector<Token>> tokenize(const QString& sql) {
    std::vector<Token> tokens;
    int depth = 0;
    for (const TsqlToken& token : tokenizeTsql(sql)) {
        if (token.kind == TsqlToken::Kind::Comment)
            return std::nullopt;
        if (!token.isSignificant())
            continue;
        const QStringView text = tokenText(sql, token);
        if (text == u")")
            --depth;
        tokens.push_back({token.kind, text, token.begin, depth});
        if (text == u"(")
            ++depth;
    }
    return tokens;
}

bool isWord(const Token& token, QLatin1String word) {
    return token.text.compare(word, Qt::CaseInsensitive) == 0;
}

// A number, or a text constant that is closed (an even number of quotes).
bool isConstant(const Token& token) {
    return token.kind == TsqlToken::Kind::Number ||
           (token.kind == TsqlToken::Kind::String && token.text.count(u'\'') % 2 == 0);
}

// The tokens [first, last) of one condition.
struct Span {
    std::size_t first;
    std::size_t last;
};

// A qualified column ("t.c", "db.t.c"), spelled without blanks and in upper case; empty
// when the tokens are anything else. Unqualified names could be result aliases.
QString qualifiedColumn(const std::vector<Token>& tokens, Span span) {
    const std::size_t count = span.last - span.first;
    if (count < 3 || count % 2 == 0)
        return {};
    QString name;
    for (std::size_t i = span.first; i < span.last; ++i) {
        const bool dot = (i - span.first) % 2 == 1;
        const TsqlToken::Kind kind = tokens[i].kind;
        QStringView part = tokens[i].text;
        if (dot ? part != u"."
                : kind != TsqlToken::Kind::Word && kind != TsqlToken::Kind::Bracketed)
            return {};
        if (kind == TsqlToken::Kind::Bracketed && !part.endsWith(u']'))
            return {};
        if (kind == TsqlToken::Kind::Bracketed)
            part = part.mid(1, part.size() - 2);  // [B] and B name the same column
        name += part.toString().toUpper();
    }
    return name;
}

// Whether the span is one parenthesised expression: its first "(" closes at its end.
bool isParenthesised(const std::vector<Token>& tokens, Span span) {
    if (span.last - span.first < 3 || tokens[span.first].text != u"(" ||
        tokens[span.last - 1].text != u")")
        return false;
    const int depth = tokens[span.first].depth;
    for (std::size_t i = span.first + 1; i + 1 < span.last; ++i) {
        if (tokens[i].depth <= depth)
            return false;
    }
    return true;
}

// The column a condition `column = constant` tests, or empty for any other condition.
QString testedColumn(const std::vector<Token>& tokens, Span span) {
    while (isParenthesised(tokens, span)) {
        ++span.first;
        --span.last;
    }
    for (std::size_t i = span.first; i < span.last; ++i) {
        if (tokens[i].text != u"=")
            continue;
        if (i + 2 == span.last && isConstant(tokens[i + 1]))
            return qualifiedColumn(tokens, {span.first, i});
        if (i == span.first + 1 && isConstant(tokens[span.first]))
            return qualifiedColumn(tokens, {i + 1, span.last});
        return {};
    }
    return {};
}

// The token spans of a list separated at the top level by separator, within [first, last).
std::vector<Span> split(const std::vector<Token>& tokens, Span span, QLatin1String separator) {
    std::vector<Span> parts;
    std::size_t start = span.first;
    for (std::size_t i = span.first; i < span.last; ++i) {
        if (tokens[i].depth == 0 && isWord(tokens[i], separator)) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    parts.push_back({start, span.last});
    return parts;
}

}  // namespace

QString filterRowsBeforeGrouping(const QString& sql) {
    const auto scanned = tokenize(sql);
    if (!scanned)
        return sql;
    const std::vector<Token>& tokens = *scanned;
    std::optional<std::size_t> groupBy, having;
    std::size_t havingEnd = tokens.size();
    int selects = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        selects += isWord(t, QLatin1String("SELECT")) ? 1 : 0;
        const bool top = t.depth == 0;
        if (isWord(t, QLatin1String("UNION")) || isWord(t, QLatin1String("INTERSECT")) ||
            isWord(t, QLatin1String("EXCEPT")) || (top && isWord(t, QLatin1String("WHERE"))))
            return sql;
        if (top && isWord(t, QLatin1String("GROUP")) && i + 1 < tokens.size() &&
            isWord(tokens[i + 1], QLatin1String("BY")) && !groupBy)
            groupBy = i;
        else if (top && isWord(t, QLatin1String("HAVING")) && groupBy && !having)
            having = i;
        else if (top && having && havingEnd == tokens.size() &&
                 (isWord(t, QLatin1String("ORDER")) || isWord(t, QLatin1String("LIMIT"))))
            havingEnd = i;
    }
    if (selects != 1 || !having)
        return sql;

    QStringList grouped;
    for (const Span& item : split(tokens, {*groupBy + 2, *having}, QLatin1String(",")))
        grouped << qualifiedColumn(tokens, item);
    const Span condition{*having + 1, havingEnd};
    for (std::size_t i = condition.first; i < condition.last; ++i) {
        if (tokens[i].depth == 0 &&
            (isWord(tokens[i], QLatin1String("OR")) || isWord(tokens[i], QLatin1String("BETWEEN"))))
            return sql;
    }

    const auto text = [&](Span span) {
        const qsizetype begin = tokens[span.first].begin;
        const Token& last = tokens[span.last - 1];
        return QStringView(sql).mid(begin, last.begin + last.text.size() - begin).toString();
    };
    QStringList before, after;
    for (const Span& part : split(tokens, condition, QLatin1String("AND"))) {
        if (part.first == part.last)
            return sql;  // AND without a condition: leave it to the database to refuse
        const QString column = testedColumn(tokens, part);
        (!column.isEmpty() && grouped.contains(column) ? before : after) << text(part);
    }
    if (before.isEmpty())
        return sql;

    const qsizetype groupStart = tokens[*groupBy].begin;
    const qsizetype havingStart = tokens[*having].begin;
    const qsizetype tailStart =
        havingEnd < tokens.size() ? tokens[havingEnd].begin : qsizetype(sql.size());
    QString out = sql.left(groupStart);
    out += QStringLiteral("WHERE ") + before.join(QStringLiteral(" AND ")) + u' ';
    out += QStringView(sql).mid(groupStart, havingStart - groupStart);
    if (!after.isEmpty())
        out += QStringLiteral("HAVING ") + after.join(QStringLiteral(" AND ")) + u' ';
    out += QStringView(sql).mid(tailStart);
    return out;
}

}  // namespace qv::platform
