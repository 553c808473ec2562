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

}  // namespace qv::search
