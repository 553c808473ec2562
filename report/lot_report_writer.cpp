#include "report/lot_report_writer.h"

namespace qv::report {

LotReportWriter::LotReportWriter(const QString& folder, int fontSize, const QDateTime& now)
    : writer_(folder, QStringLiteral("lots-"), workbookLayout(fontSize)) {
    for (const platform::SheetRow& row : titleRows(now))
        writer_.writeRow(row);
}

qint64 LotReportWriter::writeRows(const ReportRecords& records) {
    ReportRows rows;
    for (qsizetype i = 0; i < records.size(); ++i)
        if (const auto row = rows.add(records, i))
            writer_.writeRow(*row);
    writer_.writeRow(rows.totalsRow());
    return rows.written();
}

void LotReportWriter::finish(PrintLayout layout, qint64 recordCount, const QString& logo) {
    // A missing or unreadable logo leaves the sheet without it, as the report has always done.
    writer_.insertImage(1, A, logo);
    writer_.setPageSetup(pageSetup(layout, recordCount));
    writer_.selectCell(3, A);
    writer_.close();
}

}  // namespace qv::report
