#pragma once
// The lot search statement: every lot row of quantity level 1 with its item and its
// optional-field views, narrowed by a LIKE test per criterion given. The text is read back
// by the printout, which appends its own ORDER BY, so its layout is fixed to the blank.

#include "search/lot_search_criteria.h"

#include <QString>

namespace qv::search {

QString buildLotStatement(const LotSearchCriteria& criteria);

}  // namespace qv::search
