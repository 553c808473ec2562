#include "platform/statement_guard.h"

#include "platform/database.h"
#include "platform/tsql_tokens.h"

#include <algorithm>
#include <string_view>

namespace qv::platform {
namespace {

using Kind = TsqlToken::Kind;

// Words that begin a statement of their own, write, or run something else, sorted. All are
// reserved in T-SQL (so never a bare column name) or are SQLite's own statements; CALL is
// the ODBC escape {call ...}.
constexpr std::string_view kForbiddenWords[] = {
    "ALTER",   "ANALYZE",   "ATTACH",         "BACKUP",      "BEGIN",      "BREAK",
    "BULK",    "CALL",      "CHECKPOINT",     "CLOSE",       "COMMIT",     "CONTINUE",
    "CREATE",  "DBCC",      "DEALLOCATE",     "DECLARE",     "DELETE",     "DENY",
    "DETACH",  "DROP",      "DUMP",           "EXEC",        "EXECUTE",    "GOTO",
    "GRANT",   "IF",        "INSERT",         "INTO",        "KILL",       "LOAD",
    "MERGE",   "OPEN",      "OPENDATASOURCE", "OPENQUERY",   "OPENROWSET", "PRAGMA",
    "PRINT",   "RAISERROR", "READTEXT",       "RECONFIGURE", "REINDEX",    "RESTORE",
    "RETURN",  "REVERT",    "REVOKE",         "ROLLBACK",    "SAVE",       "SET",
    "SETUSER", "SHUTDOWN",  "TRUNCATE",       "UPDATE",      "UPDATETEXT", "USE",
    "VACUUM",  "WAITFOR",   "WHILE",          "WRITETEXT",
};

static_assert(std::ranges::is_sorted(kForbiddenWords));

bool isForbidden(const QString& upperWord) {
    const QByteArray word = upperWord.toLatin1();
    return std::ranges::binary_search(kForbiddenWords,
                                      std::string_view(word.constData(), word.size()));
}

bool isSetOperator(const QString& upperWord) {
    return upperWord == u"UNION" || upperWord == u"ALL" || upperWord == u"EXCEPT" ||
           upperWord == u"INTERSECT";
}

[[noreturn]] void refuse(const QString& what) {
    throw DbError(
        QStringLiteral("Only a single SELECT statement can be run: this one %1.").arg(what));
}

}  // namespace

void requireSingleSelect(const QString& sql) {
    bool first = true;
    int depth = 0;
    QString previousWord;
    for (const TsqlToken& token : tokenizeTsql(sql)) {
        if (!token.isSignificant())
            continue;
        const QString text = tokenText(sql, token).toString();
        const QString word = token.kind == Kind::Word ? text.toUpper() : QString();
        if (first) {
            if (word != u"SELECT")
                refuse(QStringLiteral("begins with %1").arg(text));
            first = false;
        } else if (token.kind == Kind::Punct) {
            if (text == u";")
                refuse(QStringLiteral("contains the statement separator ;"));
            depth += text == u"(" ? 1 : text == u")" ? -1 : 0;
        } else if (isForbidden(word)) {
            refuse(QStringLiteral("contains %1").arg(text));
        } else if (word == u"SELECT" && depth <= 0 && !isSetOperator(previousWord)) {
            refuse(QStringLiteral("contains a second SELECT"));
        }
        previousWord = word;
    }
    if (first)
        refuse(QStringLiteral("is empty"));
}

}  // namespace qv::platform
