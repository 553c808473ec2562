#include "search/search_run.h"

#include "platform/database.h"

namespace qv::search {

LotSearchResult runLotSearch(platform::Connection& connection, const QString& statement,
                             LotRowSink& sink, std::stop_token stop) {
    platform::Recordset recordset(connection, statement);
    LotSearchResult result;
    result.recordCount = recordset.recordCount();
    if (recordset.recordCount() == 0 || recordset.eof()) {
        result.nothingFound = true;
        return result;
    }
    sink.startRows();
    try {
        const LotColumns columns(recordset);
        for (qint64 rowNumber = 1; !recordset.eof(); ++rowNumber) {
            if (stop.stop_requested()) {
                result.stopped = true;
                break;
            }
            const LotSearchRecord record = columns.read(recordset);
            result.totals.add(record);
            sink.addRow(makeLotRow(rowNumber, record));
            recordset.moveNext();
        }
    } catch (...) {
        sink.endRows();
        throw;
    }
    sink.endRows();
    return result;
}

QString nothingAvailableMessage(int recordCount) {
    return QString::number(qint64(recordCount) + 1) +
           QStringLiteral(" Records - Nothing Available for this selection ");
}

}  // namespace qv::search
