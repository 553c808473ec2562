#include "search/lot_fill.h"

#include "platform/database.h"
#include "search/lot_list_model.h"

namespace qv::search {

using platform::Recordset;

LotTotals fillLotList(Recordset& recordset, LotListModel& model) {
    const LotColumns columns(recordset);
    LotListModel::Fill fill(model);
    LotTotals totals;
    for (qint64 rowNumber = 1; !recordset.eof(); ++rowNumber) {
        const LotSearchRecord record = columns.read(recordset);
        totals.add(record);
        model.appendRow(makeLotRow(rowNumber, record));
        recordset.moveNext();
    }
    return totals;
}

QString nothingAvailableMessage(int recordCount) {
    return QString::number(qint64(recordCount) + 1) +
           QStringLiteral(" Records - Nothing Available for this selection ");
}

}  // namespace qv::search
