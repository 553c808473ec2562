#pragma once
// Wrapping a text for a multi-line box, as the order comment is shown.

#include <QString>

namespace qv::orders {

// Each line of Expression (lines end at carriage-return line-feed pairs) that is no longer
// than Length is kept as it is; a longer one is broken between its words, a word being what
// lies between two single blanks (so a run of blanks gives empty words, each taking one
// place). Every word of a broken line is followed by one blank, and every output line ends
// with a carriage-return line-feed. A word longer than Length gets a line of its own, after
// an empty first line when it comes first. The empty text gives the empty text.
QString FormatByLength(const QString& Expression, int Length);

}  // namespace qv::orders
