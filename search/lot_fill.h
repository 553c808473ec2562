#pragma once
// Filling the lot list from the records of a lot search.

#include "search/lot_row.h"

namespace qv::platform {
class Recordset;
}

namespace qv::search {

class LotListModel;

// One row per record, front to back, with the totals kept on the way. A failure (a record
// that cannot be read, a total out of range) ends the fill: the rows added so far stay
// shown and the exception goes on to the caller.
LotTotals fillLotList(platform::Recordset& recordset, LotListModel& model);

// The message for a search that found nothing: the reported count plus one, so a count
// the recordset cannot tell (-1) reads 0.
QString nothingAvailableMessage(int recordCount);

}  // namespace qv::search
