#pragma once
// What the fuzz targets share: the fuzzer's bytes as the texts a user could type, the check
// that ends a run with the failing input kept, and the checks of a statement built from them.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace qv::tests {

// The bytes read as UTF-8, invalid sequences replaced as in any decoded text.
inline QString typedText(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The text cut at its line breaks into exactly `count` texts: missing ones are empty, the last
// keeps any further line breaks.
QStringList typedTexts(const std::uint8_t* data, std::size_t size, qsizetype count);

// Reports what is wrong and aborts, so libFuzzer stores the input as a crash.
void require(bool ok, const char* what, const QString& detail = {});

// A harmless text of the typed one's length: a statement built from it has the shape (the SQL
// with the contents of its '...' literals removed) one built from the typed text must have.
inline QString harmlessText(const QString& typed) {
    return QString(typed.size(), u'x');
}

// A statement built from typed text has the shape of the one built from harmless texts, and is
// run: the single-SELECT guard and the SQLite dialect layer take it.
void requireSafeStatement(const QString& built, const QString& builtFromHarmless);

}  // namespace qv::tests
