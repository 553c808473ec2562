#pragma once
// Typed values placed between quotes in a statement or filter.

#include <QString>

namespace qv::platform {

// Doubles every `quote` in text: the escape of SQL strings (') and of host filter
// constants ("), so a typed value is read as it was typed and can never end its quotes early.
QString doubleQuotes(const QString& text, QChar quote);

}  // namespace qv::platform
