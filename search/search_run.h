#pragma once
// One lot search run, free of the window: the statement in, its records made into list rows
// and handed on in order, the totals out. The caller decides where the rows go (the window's
// lot list, a test's vector) and may ask the run to stop between two rows.

#include "search/lot_row.h"

#include <QString>

#include <stop_token>

namespace qv::platform {
class Connection;
}

namespace qv::search {

// Where a run hands its rows, in the order the statement returns them.
class LotRowSink {
public:
    virtual ~LotRowSink() = default;
    // The statement returned records: rows follow. Not called when it returned none.
    virtual void startRows() = 0;
    virtual void addRow(LotRow row) = 0;
    // After the last row handed over, however the run ended: at the end of the records, at a
    // stop, or at a failure (then before the failure goes on to the caller).
    virtual void endRows() = 0;
};

struct LotSearchResult {
    // The statement returned no record; the sink heard nothing of the run.
    bool nothingFound = false;
    // The record count as the recordset reports it (-1: neither driver can tell it).
    int recordCount = -1;
    // Over the rows handed to the sink; totals.rowCount counts them.
    LotTotals totals;
    // A stop was requested before the last record: the rows after it were not read.
    bool stopped = false;
};

// Runs the lot statement on connection and hands every record, made into a row numbered from
// 1, to sink, keeping the totals. A failure (a rejected statement, a record that cannot be
// read, a total out of range) ends the run: the rows handed over before it stay handed over,
// and the exception goes on to the caller.
LotSearchResult runLotSearch(platform::Connection& connection, const QString& statement,
                             LotRowSink& sink, std::stop_token stop = {});

// The message for a search that found nothing: the reported count plus one, so a count
// the recordset cannot tell (-1) reads 0.
QString nothingAvailableMessage(int recordCount);

}  // namespace qv::search
