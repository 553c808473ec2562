// report_bench: times writing the lot report workbook. One mode per process, so the peak
// memory a line reports belongs to that mode alone. bench/report.sh runs the modes and
// compares them; every measurement is one line of key=value pairs on standard output:
//   mode=report seconds=1.234 cpu_seconds=1.200 rows=100000 peak_mb=12.3
//
// Both modes start from the same generated records, already in memory (reading them from a
// database is the same work for both and is left out).
//   report: the report as the program writes it: runs, totals, texts, styles, the
//           workbook writer, page setup and logo.
//   raw:    the same cells, made beforehand and untimed, written straight through
//           libxlsxwriter with the same fonts, number formats and columns: the baseline.
//           (Alignment is left out of its formats: formats are made once, not per cell.)
#include "bench/bench_support.h"
#include "report/lot_report.h"
#include "report/lot_report_writer.h"

#include <xlsxwriter.h>

#include <QTemporaryDir>

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace qv::report;
using qv::bench::Timing;
using qv::bench::timingOf;

constexpr const char* kUsage =
    "usage: report_bench report ROWS   the report written as the program writes it\n"
    "       report_bench raw ROWS      the same cells straight through libxlsxwriter\n";

constexpr int kFontSize = 14;
const QDateTime kNow(QDate(2025, 1, 15), QTime(9, 0, 0));

// Records as the report query returns them: sorted by item and location, about fifty lots
// an item over a few locations, a third of the items in KG, one lot in twenty on hold.
ReportRecords makeRecords(qint64 count) {
    std::mt19937 random(7);
    ReportRecords records;
    const QString descriptions[] = {"Green peas, frozen 10 kg", "Sweet corn kernels",
                                    "Carrot batons, bulk bin", "Mixed vegetables, retail"};
    const QString statuses[] = {"OK", "HOLD", "QTD", "AGED", ""};
    for (qint64 i = 0; i < count; ++i) {
        const qint64 item = i / 50;
        const bool kg = item % 3 == 0;
        ReportRecord r;
        r.ITEMNUM = QStringLiteral("ITEM-%1").arg(item, 5, 10, QChar('0'));
        r.LOCATION =
            QStringLiteral("L-%1-%2").arg(QChar(char16_t(u'A' + (i / 10) % 26))).arg((i / 10) % 7);
        r.LOTNUM = QStringLiteral("LOT%1").arg(2025000000 + i);
        r.QTYAVAIL = kg ? double(random() % 1000000) / 100.0 : double(random() % 5000);
        r.UOM = kg ? QStringLiteral("KG") : QStringLiteral("EA");
        r.GRADE = QString(QChar(char16_t(u'A' + random() % 3)));
        r.CUSTCODE = QStringLiteral("CUST%1").arg(random() % 40);
        r.ONQUART = random() % 20 == 0 ? 1 : 0;
        r.CATEGORY = QStringLiteral("C%1").arg(item % 12);
        r.ITEMDESC = descriptions[item % 4];
        r.PRODCODE = QStringLiteral("P%1").arg(item % 90);
        r.PALLETSTATUS = statuses[random() % 5];
        r.WHSCODE = QStringLiteral("W%1").arg(i % 4);
        records.add(r);
    }
    return records;
}

int runReport(const ReportRecords& records, const QString& folder) {
    const QString logo = folder + "/missing.bmp";
    qint64 rows = 0;
    const Timing timing = timingOf([&] {
        LotReportWriter writer(folder, kFontSize, kNow);
        rows = writer.writeRows(records);
        writer.finish(PrintLayout::Wide, records.size(), logo);
    });
    qv::bench::report("report", timing, rows);
    return 0;
}

// Every cell of the report, made before the clock starts: UTF-8 texts in one buffer.
struct RawCells {
    struct Cell {
        int row, column, style;
        bool isNumber;
        double number;
        std::size_t text;  // offset of a NUL-terminated text in chars
    };
    std::vector<Cell> cells;
    std::string chars;
    qint64 rows = 0;

    void add(const qv::platform::SheetRow& row) {
        for (const qv::platform::Cell& c : row.cells) {
            cells.push_back({row.row, c.column, c.style, c.isNumber, c.number, chars.size()});
            chars += c.text.toStdString();
            chars += '\0';
        }
    }
};

RawCells makeCells(const ReportRecords& records) {
    RawCells raw;
    for (const auto& row : titleRows(kNow))
        raw.add(row);
    ReportRows rows;
    for (qsizetype i = 0; i < records.size(); ++i)
        if (const auto row = rows.add(records, i))
            raw.add(*row);
    raw.add(rows.totalsRow());
    raw.rows = rows.written();
    return raw;
}

int runRaw(const ReportRecords& records, const QString& folder) {
    const RawCells raw = makeCells(records);
    const qv::platform::WorkbookLayout layout = workbookLayout(kFontSize);
    const std::string file = (folder + "/raw.xlsx").toStdString();
    const std::string tmpdir = folder.toStdString();
    const Timing timing = timingOf([&] {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(tmpdir.c_str());
        lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
        std::vector<lxw_format*> formats;
        for (const auto& style : layout.styles) {
            lxw_format* f = workbook_add_format(book);
            format_set_font_name(f, "Segoe UI");
            format_set_font_size(f, kFontSize);
            if (style.bold)
                format_set_bold(f);
            if (!style.numberFormat.isEmpty())
                format_set_num_format(f, style.numberFormat.toUtf8().constData());
            formats.push_back(f);
        }
        lxw_worksheet* sheet = workbook_add_worksheet(book, "QUORVAN");
        workbook_add_worksheet(book, "PICK");
        for (const auto& c : layout.columns)
            worksheet_set_column(sheet, c.first, c.last, c.width < 0 ? LXW_DEF_COL_WIDTH : c.width,
                                 formats[std::size_t(c.style)]);
        for (const RawCells::Cell& c : raw.cells) {
            if (c.isNumber)
                worksheet_write_number(sheet, c.row - 1, c.column, c.number, formats[c.style]);
            else
                worksheet_write_string(sheet, c.row - 1, c.column, raw.chars.data() + c.text,
                                       formats[c.style]);
        }
        worksheet_print_area(sheet, 0, 0, lxw_row_t(records.size() + 4), 21);
        worksheet_set_landscape(sheet);
        worksheet_fit_to_pages(sheet, 1, 0);
        if (workbook_close(book) != LXW_NO_ERROR)
            std::fprintf(stderr, "raw: the workbook could not be written\n");
    });
    qv::bench::report("raw", timing, raw.rows);
    return 0;
}

// Each mode makes the same records before its clock starts, in a folder of its own.
template <int (*run)(const ReportRecords&, const QString&)>
int withRecords(const QString& rows) {
    const qint64 count = rows.toLongLong();
    if (count <= 0)
        throw std::invalid_argument("ROWS must be a positive number");
    QTemporaryDir folder;
    return run(makeRecords(count), folder.path());
}

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::runMode(
        argc, argv, kUsage,
        {{"report", withRecords<runReport>, false}, {"raw", withRecords<runRaw>, false}});
}
