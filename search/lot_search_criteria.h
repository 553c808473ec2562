#pragma once
// The eight criteria of one lot search, read from the texts of their controls.

#include <QString>

#include <optional>

namespace qv::search {

struct LotSearchCriteria {
    QString Location;
    QString ItemNumber;
    QString LotNumber;
    QString Grade;
    QString ProductCode;
    QString CustomerCode;  // case kept
    QString Category;      // the category code: the first two characters of the list entry
    QString PalletStatus;  // upper case

    // From the controls' texts as the user left them, in the order of the members.
    static LotSearchCriteria fromControlTexts(const QString& location, const QString& itemNumber,
                                              const QString& lotNumber, const QString& grade,
                                              const QString& productCode,
                                              const QString& customerCode,
                                              const QString& categoryText,
                                              const QString& palletStatusText);

    // No criterion given at all: the search would return every lot.
    bool isEmpty() const;

    // The message for the first criterion holding a character no statement can carry (a
    // NUL ends the statement early, half of a surrogate pair is no character at all),
    // naming the criterion and the character; nothing when every criterion can be searched.
    std::optional<QString> unsearchableCharacter() const;
};

}  // namespace qv::search
