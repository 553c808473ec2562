#pragma once
// The tokens of a T-SQL statement, as far as the program needs to tell them apart: string
// literals ('...' with '' inside), [bracketed] and "quoted" identifiers (]] and "" inside),
// -- and /* */ comments, numbers, words, @variables and single punctuation characters.
// Every character of the text belongs to exactly one token; an unterminated literal,
// identifier or comment runs to the end of the text.

#include <QString>
#include <QStringView>

#include <vector>

namespace qv::platform {

struct TsqlToken {
    enum class Kind { Space, Comment, String, Bracketed, Quoted, Number, Word, Variable, Punct };
    Kind kind;
    qsizetype begin;
    qsizetype end;

    // Neither blank nor comment.
    bool isSignificant() const { return kind != Kind::Space && kind != Kind::Comment; }
};

std::vector<TsqlToken> tokenizeTsql(const QString& sql);

// The text of a token of sql.
inline QStringView tokenText(const QString& sql, const TsqlToken& token) {
    return QStringView(sql).mid(token.begin, token.end - token.begin);
}

}  // namespace qv::platform
