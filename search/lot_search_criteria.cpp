#include "search/lot_search_criteria.h"

namespace qv::search {

LotSearchCriteria LotSearchCriteria::fromControlTexts(
    const QString& location, const QString& itemNumber, const QString& lotNumber,
    const QString& grade, const QString& productCode, const QString& customerCode,
    const QString& categoryText, const QString& palletStatusText) {
    return {location.trimmed(),
            itemNumber.trimmed(),
            lotNumber.trimmed(),
            grade.trimmed(),
            productCode.trimmed(),
            customerCode.trimmed(),
            categoryText.left(2).trimmed(),
            palletStatusText.toUpper().trimmed()};
}

bool LotSearchCriteria::isEmpty() const {
    return Location.isEmpty() && ItemNumber.isEmpty() && LotNumber.isEmpty() && Grade.isEmpty() &&
           ProductCode.isEmpty() && CustomerCode.isEmpty() && Category.isEmpty() &&
           PalletStatus.isEmpty();
}

namespace {

// The first code unit of text that cannot be searched: a NUL or half of a surrogate pair.
std::optional<char16_t> unsearchable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            continue;
        }
        if (c == 0 || QChar::isSurrogate(c))
            return c;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> LotSearchCriteria::unsearchableCharacter() const {
    const std::pair<const char*, const QString*> criteria[] = {
        {"Location", &Location}, {"Item", &ItemNumber},           {"Lot", &LotNumber},
        {"Grade", &Grade},       {"ProdCode", &ProductCode},      {"CustCode", &CustomerCode},
        {"Category", &Category}, {"Pallet Status", &PalletStatus}};
    for (const auto& [name, value] : criteria)
        if (const auto c = unsearchable(*value))
            return QStringLiteral(
                       "The %1 criterion contains a character that cannot be searched (U+%2).")
                .arg(QLatin1String(name),
                     QStringLiteral("%1").arg(int(*c), 4, 16, QLatin1Char('0')).toUpper());
    return std::nullopt;
}

}  // namespace qv::search
