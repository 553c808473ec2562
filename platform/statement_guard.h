#pragma once
// The company database is only read: whatever reaches a connection must be one SELECT
// statement. Checked on the tokens (tsql_tokens.h), so literals, quoted identifiers and
// comments can neither hide a second statement nor make a harmless one look dangerous.

#include <QString>

namespace qv::platform {

// Throws DbError naming what is wrong unless sql is a single SELECT statement: its first
// token (after blanks and comments) is SELECT; it has no ';' (the printout appends a sort
// clause, which a statement ending in ';' would turn into a second one); no keyword that
// starts or writes another statement (INSERT, UPDATE, DELETE, EXEC, INTO, COMMIT, ...,
// which T-SQL runs without a ';' between); and no further SELECT outside parentheses other
// than after UNION, EXCEPT or INTERSECT.
void requireSingleSelect(const QString& sql);

}  // namespace qv::platform
