#pragma once
// The program's version and its version-information texts, kept in one place: the caption,
// the about box and the documentation read them from here.

#include <QString>

namespace qv::version {

inline constexpr int Major = 9;
inline constexpr int Minor = 63;
inline constexpr int Revision = 29;

inline QString number() {
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

inline QString companyName() {
    return QStringLiteral("Tallorin Systems");
}
inline QString legalCopyright() {
    return QStringLiteral("Copyright (C) Tallorin Systems");
}
inline QString legalTrademarks() {
    return QStringLiteral("Quorvan is a trademark of Tallorin Systems.");
}
inline QString comments() {
    return QStringLiteral("Lot lookup for Brisvale warehouse and office staff.");
}
inline QString fileDescription() {
    return QStringLiteral("Quorvan Lot Lookup");
}

}  // namespace qv::version
