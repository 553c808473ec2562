#include "platform/tsql_dialect.h"

#include "platform/database.h"
#include "platform/sqlite_tsql.h"
#include "platform/tsql_tokens.h"

#include <algorithm>
#include <vector>

namespace qv::platform {
namespace {

using Kind = TsqlToken::Kind;

[[noreturn]] void refuse(const QString& construct) {
    throw DbError(QStringLiteral("The embedded SQLite company cannot run this statement: %1 "
                                 "is not supported.")
                      .arg(construct));
}

class Rewriter {
public:
    explicit Rewriter(const QString& sql)
        : sql_(sql), tokens_(tokenizeTsql(sql)), closing_(count(), count()) {
        // Each '(' paired with its ')' once, so that nested CONVERTs and CASTs cost one pass
        // over their tokens, not one per level.
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < count(); ++i) {
            if (isPunct(i, u'('))
                open.push_back(i);
            else if (isPunct(i, u')') && !open.empty()) {
                closing_[open.back()] = i;
                open.pop_back();
            }
        }
    }

    QString run() { return rewrite(0, count()); }

private:
    std::size_t count() const { return tokens_.size(); }
    QStringView text(std::size_t i) const { return tokenText(sql_, tokens_[i]); }
    QStringView span(std::size_t from, std::size_t to) const {  // source of tokens [from, to)
        const qsizetype begin = from < count() ? tokens_[from].begin : sql_.size();
        const qsizetype end = to < count() ? tokens_[to].begin : sql_.size();
        return QStringView(sql_).mid(begin, end - begin);
    }
    bool isSignificant(std::size_t i) const { return tokens_[i].isSignificant(); }
    std::size_t nextSignificant(std::size_t i, std::size_t to) const {
        for (++i; i < to; ++i) {
            if (isSignificant(i))
                return i;
        }
        return to;
    }
    bool isPunct(std::size_t i, char16_t c) const {
        return i < count() && tokens_[i].kind == Kind::Punct && text(i)[0] == c;
    }
    bool isWord(std::size_t i, QLatin1String word) const {
        return i < count() && tokens_[i].kind == Kind::Word &&
               text(i).compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isName(std::size_t i) const {
        return i < count() &&
               (tokens_[i].kind == Kind::Word || tokens_[i].kind == Kind::Bracketed ||
                tokens_[i].kind == Kind::Quoted);
    }
    // The schema dbo, as a word, [dbo] or "dbo".
    bool isDbo(std::size_t i) const {
        if (!isName(i))
            return false;
        QStringView t = text(i);
        if (tokens_[i].kind != Kind::Word)
            t = t.mid(1, t.size() - 2);
        return t.compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0;
    }
    // How many tokens from i form a schema prefix: "dbo.", "db.dbo." or "db..".
    std::size_t schemaPrefixLength(std::size_t i) const {
        if (isDbo(i) && isPunct(i + 1, u'.'))
            return 2;
        if (isName(i) && isPunct(i + 1, u'.')) {
            if (isDbo(i + 2) && isPunct(i + 3, u'.'))
                return 4;
            if (isPunct(i + 2, u'.'))
                return 3;
        }
        return 0;
    }

    // Whether the character before a dropped prefix and token i, written side by side, could
    // read as one token ('a''b', --, /*, <>, ||). Only blanks and the punctuation that never
    // starts or ends a longer token keep them apart for sure.
    bool mayJoin(QChar before, std::size_t i) const {
        const auto alone = [](QChar c) {
            return c.isSpace() || c == u'(' || c == u')' || c == u',' || c == u';';
        };
        return !alone(before) && !alone(text(i)[0]);
    }

    // The ')' closing the '(' at open, or `to` when there is none before it.
    std::size_t closingParen(std::size_t open, std::size_t to) const {
        return std::min(closing_[open], to);
    }
    // The tokens between the parentheses open and close that no inner parentheses enclose
    // (an inner group counts as its ')').
    std::vector<std::size_t> topLevelTokens(std::size_t open, std::size_t close) const {
        std::vector<std::size_t> tokens;
        for (std::size_t i = open + 1; i < close; ++i) {
            if (isPunct(i, u'(')) {
                i = closing_[i];
                if (i >= close)
                    break;
            }
            tokens.push_back(i);
        }
        return tokens;
    }
    std::vector<std::size_t> topLevelCommas(std::size_t open, std::size_t close) const {
        std::vector<std::size_t> commas;
        for (std::size_t i : topLevelTokens(open, close))
            if (isPunct(i, u','))
                commas.push_back(i);
        return commas;
    }

    // CONVERT(type, expr) -> tsql_convert('type', expr); returns the index after it.
    std::size_t emitConvert(std::size_t word, std::size_t open, std::size_t to, QString& out) {
        const std::size_t close = closingParen(open, to);
        if (close == to)
            refuse(QStringLiteral("CONVERT without its closing parenthesis"));
        const auto commas = topLevelCommas(open, close);
        if (commas.size() > 1)
            refuse(QStringLiteral("CONVERT with a style argument"));
        if (commas.empty())
            refuse(QStringLiteral("CONVERT without a value"));
        const std::size_t comma = commas.front();
        const std::size_t typeFirst = nextSignificant(open, comma);
        std::size_t typeEnd = comma;
        while (typeEnd > typeFirst && !isSignificant(typeEnd - 1))
            --typeEnd;
        const QString type = span(typeFirst, typeEnd).toString();
        for (std::size_t i = typeFirst; i < typeEnd; ++i) {
            const Kind k = tokens_[i].kind;
            if (k != Kind::Word && k != Kind::Number && k != Kind::Punct && k != Kind::Space)
                refuse(QStringLiteral("CONVERT to %1").arg(type));
        }
        if (type.isEmpty() || !isSupportedConvertType(type.toStdString()))
            refuse(QStringLiteral("CONVERT to %1").arg(type));
        out += QLatin1String("tsql_convert");
        out += span(word + 1, typeFirst);  // blanks, "(" and blanks, as written
        out += QStringLiteral("'%1'").arg(type);
        out += span(typeEnd, comma + 1);
        // The value is rewritten by recursion; SQLite's parser gives up on nesting far
        // shallower than this bound, so it refuses nothing that could run.
        if (++convertDepth_ > kMaxConvertDepth)
            refuse(QStringLiteral("CONVERT nested more than %1 deep").arg(kMaxConvertDepth));
        out += rewrite(comma + 1, close);
        --convertDepth_;
        out += text(close);
        return close + 1;
    }

    // CAST(x AS INT) reads the same in SQLite; CAST to a date type does not.
    void checkCast(std::size_t open, std::size_t to) const {
        const std::size_t close = closingParen(open, to);
        for (std::size_t i : topLevelTokens(open, close)) {
            if (!isWord(i, QLatin1String("AS")))
                continue;
            const std::size_t type = nextSignificant(i, close);
            for (const char* name :
                 {"DATETIME", "SMALLDATETIME", "DATETIME2", "DATE", "TIME", "DATETIMEOFFSET"}) {
                if (isWord(type, QLatin1String(name)))
                    refuse(QStringLiteral("CAST(... AS %1)").arg(text(type).toString()));
            }
        }
    }

    void checkWord(std::size_t i, bool call) const {
        static const char* const kFunctions[] = {"ISNULL",   "GETDATE", "DATEADD",
                                                 "DATEDIFF", "LEN",     "CHARINDEX"};
        if (isWord(i, QLatin1String("TOP")) || isWord(i, QLatin1String("NOLOCK")))
            refuse(text(i).toString().toUpper());
        if (!call)
            return;
        if (isWord(i, QLatin1String("WITH")))
            refuse(QStringLiteral("the table hint WITH (...)"));
        for (const char* name : kFunctions) {
            if (isWord(i, QLatin1String(name)))
                refuse(QStringLiteral("%1()").arg(name));
        }
    }

    QString rewrite(std::size_t from, std::size_t to) {
        QString out;
        for (std::size_t i = from; i < to;) {
            if (tokens_[i].kind == Kind::Variable)
                refuse(QStringLiteral("the variable %1").arg(text(i).toString()));
            if (const std::size_t prefix = schemaPrefixLength(i); prefix > 0 && i + prefix < to) {
                i += prefix;
                if (!out.isEmpty() && mayJoin(out.back(), i))
                    out += u' ';
                continue;
            }
            if (tokens_[i].kind == Kind::Word) {
                const std::size_t next = nextSignificant(i, to);
                const bool call = isPunct(next, u'(');
                checkWord(i, call);
                if (call && isWord(i, QLatin1String("CONVERT"))) {
                    i = emitConvert(i, next, to, out);
                    continue;
                }
                if (call && isWord(i, QLatin1String("CAST")))
                    checkCast(next, to);
            }
            out += text(i);
            ++i;
        }
        return out;
    }

    static constexpr int kMaxConvertDepth = 100;

    const QString& sql_;
    std::vector<TsqlToken> tokens_;
    // For each '(' the index of its ')', or count() when it has none; other tokens count().
    std::vector<std::size_t> closing_;
    int convertDepth_ = 0;  // CONVERTs open around the token being rewritten
};

}  // namespace

QString rewriteTsqlForSqlite(const QString& tsql) {
    return Rewriter(tsql).run();
}

}  // namespace qv::platform
