#pragma once
// Writes the lot report workbook: the fixed parts and the title area when it starts, then
// the report rows and the totals, then the logo and the page setup of the chosen layout.
// The rows and the finish are separate steps so the layout can be chosen after the rows.

#include "platform/xlsx_writer.h"
#include "report/lot_report.h"

#include <QDateTime>
#include <QString>

namespace qv::report {

class LotReportWriter {
public:
    // Starts a workbook file in folder, sheet font at fontSize. Throws platform::XlsxError.
    LotReportWriter(const QString& folder, int fontSize, const QDateTime& now);

    QString path() const { return writer_.path(); }
    // Every report row of the records and the totals row. Returns the rows written.
    qint64 writeRows(const ReportRecords& records);
    // The logo (when the file is there), the page setup, cell A3 selected, the file closed.
    void finish(PrintLayout layout, qint64 recordCount, const QString& logo);

private:
    platform::XlsxWriter writer_;
};

}  // namespace qv::report
