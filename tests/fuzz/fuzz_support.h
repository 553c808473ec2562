#pragma once
// What the fuzz targets share: the fuzzer's bytes as the texts a user could type, the check
// that ends a run with the failing input kept, and the shape of a statement.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace qv::tests {

// The bytes read as UTF-8, invalid sequences replaced as in any decoded text.
QString typedText(const std::uint8_t* data, std::size_t size);

// The text cut at its line breaks into exactly `count` texts: missing ones are empty, the last
// keeps any further line breaks.
QStringList typedTexts(const std::uint8_t* data, std::size_t size, qsizetype count);

// Reports what is wrong and aborts, so libFuzzer stores the input as a crash.
void require(bool ok, const char* what, const QString& detail = {});

// SQL with the contents of its '...' literals removed ('' inside one is part of it): two
// statements with the same shape differ only in what they search for.
QString statementShape(const QString& sql);

// Any typed text replaced by a harmless one of the same length, 'x' repeated: a statement
// built from it has the shape a statement built from the typed text must have.
QString harmlessText(const QString& typed);

// The checks a statement built from typed text must pass: its shape is that of the statement
// built from harmless texts, and it is run (the single-SELECT guard and the SQLite dialect
// layer take it).
void requireSafeStatement(const QString& built, const QString& builtFromHarmless);

}  // namespace qv::tests
