#pragma once
// The program's version and its version-information texts, kept in one place: the caption,
// the about box and the documentation read them from here.

#include <QString>

namespace qv::app {

struct VersionInfo {
    static constexpr int kMajor = 9;
    static constexpr int kMinor = 63;
    static constexpr int kRevision = 29;

    static QString number() {
        return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
    }
    static QString companyName() { return QStringLiteral("Tallorin Systems"); }
    static QString legalCopyright() { return QStringLiteral("Copyright (C) Tallorin Systems"); }
    static QString legalTrademarks() {
        return QStringLiteral("Quorvan is a trademark of Tallorin Systems.");
    }
    static QString comments() {
        return QStringLiteral("Lot lookup for Brisvale warehouse and office staff.");
    }
    static QString fileDescription() { return QStringLiteral("Quorvan Lot Lookup"); }
};

}  // namespace qv::app
