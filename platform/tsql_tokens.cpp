#include "platform/tsql_tokens.h"

namespace qv::platform {
namespace {

using Kind = TsqlToken::Kind;

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'#';
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@';
}

// End of a delimited run ('...', [...], "..."): a doubled closing character stays inside.
// An unterminated one runs to the end and is left for the server to reject.
qsizetype delimitedEnd(const QString& s, qsizetype i, QChar close) {
    for (++i; i < s.size(); ++i) {
        if (s[i] != close)
            continue;
        if (i + 1 < s.size() && s[i + 1] == close) {
            ++i;
        } else {
            return i + 1;
        }
    }
    return s.size();
}

}  // namespace

std::vector<TsqlToken> tokenizeTsql(const QString& s) {
    std::vector<TsqlToken> tokens;
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto scan = [&](qsizetype j, auto&& keep) {
        while (j < n && keep(s[j]))
            ++j;
        return j;
    };
    while (i < n) {
        const QChar c = s[i];
        const QChar next = i + 1 < n ? s[i + 1] : QChar();
        Kind kind = Kind::Punct;
        qsizetype end = i + 1;
        if (c.isSpace()) {
            kind = Kind::Space;
            end = scan(i, [](QChar x) { return x.isSpace(); });
        } else if (c == u'-' && next == u'-') {
            kind = Kind::Comment;
            end = scan(i, [](QChar x) { return x != u'\n'; });
        } else if (c == u'/' && next == u'*') {
            kind = Kind::Comment;
            const qsizetype close = s.indexOf(QLatin1String("*/"), i + 2);
            end = close < 0 ? n : close + 2;
        } else if (c == u'\'') {
            kind = Kind::String;
            end = delimitedEnd(s, i, u'\'');
        } else if (c == u'[') {
            kind = Kind::Bracketed;
            end = delimitedEnd(s, i, u']');
        } else if (c == u'"') {
            kind = Kind::Quoted;
            end = delimitedEnd(s, i, u'"');
        } else if (c.isDigit() || (c == u'.' && next.isDigit())) {
            kind = Kind::Number;
            end = scan(i, [](QChar x) { return x.isLetterOrNumber() || x == u'.'; });
            const bool signedExponent =
                end < n && (s[end] == u'+' || s[end] == u'-') && s[end - 1].toLower() == u'e';
            if (signedExponent)
                end = scan(end + 1, [](QChar x) { return x.isDigit(); });
        } else if (c == u'@') {
            kind = Kind::Variable;
            end = scan(i + 1, isWordChar);
        } else if (isWordStart(c)) {
            kind = Kind::Word;
            end = scan(i, isWordChar);
        }
        tokens.push_back({kind, i, end});
        i = end;
    }
    return tokens;
}

}  // namespace qv::platform
