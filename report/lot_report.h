#pragma once
// The lot report as a value: the workbook's fixed parts (font, styles, column widths and
// formats), the title area and headings, one sheet row per record with its runs and running
// totals, the totals row, and the page setup of the two print layouts.

#include "platform/xlsx_writer.h"
#include "report/report_records.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace qv::report {

inline constexpr auto kReportFont = "Segoe UI";
inline constexpr auto kReportSheet = "QUORVAN";
inline constexpr auto kPickSheet = "PICK";
inline constexpr int kFirstReportRow = 5;

// Columns by letter: A is 0.
enum Column : int { A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W };

// The cell styles of the report, as indexes into the workbook's styles.
enum Style : int {
    Plain,
    LeftAligned,  // A, C
    CentredText,  // D: text
    RightNumber,  // E: right, "0.00"
    Centred,      // F
    BoldPlain,    // the heading row's styles: bold over the column's
    BoldLeftAligned,
    BoldCentredText,
    BoldRightNumber,
    BoldCentred,
    WholeQuantity,    // E of a report row: right, "#,##0"
    DecimalQuantity,  // E of a report row in KG: right, "#,##0.00"
    StyleCount
};

// The wide layout prints columns A to V across the page, the narrow one A to I down it.
enum class PrintLayout { Wide, Narrow };

// Fonts, styles, sheets "QUORVAN" and "PICK", column widths and formats, the bold heading row.
platform::WorkbookLayout workbookLayout(int fontSize);

// Rows 1, 2 and 4: the date, the name and the time of the title area, then the headings.
std::vector<platform::SheetRow> titleRows(const QDateTime& now);

// The report rows in order, with the running state they share.
class ReportRows {
public:
    // The sheet row for record i, or nothing when the record has no location: it is left
    // out of the report and out of every count.
    std::optional<platform::SheetRow> add(const ReportRecords& records, qsizetype i);
    // Two rows below the last report row: the counts and the grand total.
    platform::SheetRow totalsRow() const;
    qint64 written() const { return lots_; }

private:
    int row_ = kFirstReportRow;
    qint64 num_ = 0;
    double grandTotal_ = 0, itemTotal_ = 0, locationTotal_ = 0;
    qint64 items_ = 0, locations_ = 0, lots_ = 0, holds_ = 0;
    QString lastItem_, lastLocation_;
    bool first_ = true;  // the heading row above the first row starts new runs
};

// The last printed row: the record count plus 5, below the report rows and their blank row.
qint64 printEndRow(qint64 recordCount);
platform::PageSetup pageSetup(PrintLayout layout, qint64 recordCount);

// The logo placed at A1: <folder>/BMP/brisvale.bmp.
QString logoPath(const QString& companyFolder);

}  // namespace qv::report
