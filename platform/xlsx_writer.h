#pragma once
// A spreadsheet workbook described as plain values (styles, columns, rows of cells, page
// setup) and the writer that puts such a description into an .xlsx file. The writer is the
// one place that talks to libxlsxwriter. Rows are written as they come, in ascending order,
// so a report of any length needs only the memory of one row.

#include <QString>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace qv::platform {

// A failure to make the workbook file, with the reason and the file it concerns.
class XlsxError : public std::runtime_error {
public:
    explicit XlsxError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

enum class HAlign : std::uint8_t { General, Left, Centre, Right };

// What a cell looks like besides its font, which the whole workbook shares.
struct CellStyle {
    bool bold = false;
    HAlign align = HAlign::General;
    QString numberFormat;  // empty: General
    bool operator==(const CellStyle&) const = default;
};

// One cell: a text or a number, and its style as an index into the workbook's styles.
struct Cell {
    int column = 0;  // 0 is column A
    bool isNumber = false;
    double number = 0;
    QString text;
    int style = 0;
};

// One sheet row; rows are numbered from 1 as the spreadsheet shows them.
struct SheetRow {
    int row = 0;
    std::vector<Cell> cells;  // in column order
};

// Columns first..last (0 is A): width in characters of the standard font (negative: the
// spreadsheet's default) and style.
struct ColumnSpec {
    int first = 0;
    int last = 0;
    double width = -1;
    int style = 0;
};

// The fixed parts of a workbook: every style carries fontName at fontSize points.
struct WorkbookLayout {
    QString fontName;
    double fontSize = 11;
    std::vector<CellStyle> styles;               // index 0 is the plain style
    std::vector<QString> sheetNames;             // the first is the one written to
    std::vector<ColumnSpec> columns;             // in column order, not overlapping
    double defaultRowHeight = -1;                // in points; negative: the spreadsheet's default
    std::vector<std::pair<int, int>> rowStyles;  // (row from 1, style), in row order
};

struct PageSetup {
    int printLastColumn = 0;  // print area A1 to this column (0 is A) ...
    int printLastRow = 0;     // ... and this row (from 1); 0: no print area
    int repeatFirstRow = 0;   // rows printed on every page, from 1; 0: none
    int repeatLastRow = 0;
    bool printGridlines = false;
    int paperSize = 0;  // the spreadsheet's paper code: 1 is Letter
    bool landscape = false;
    QString leftFooter, centerFooter, rightFooter;  // header and footer codes as they stand
    double headerMargin = 0.3, footerMargin = 0.3;  // inches
    double leftMargin = 0.7, rightMargin = 0.7, topMargin = 0.75, bottomMargin = 0.75;
    int fitPagesWide = 0;  // 0 with fitPagesTall 0: no fitting
    int fitPagesTall = 0;  // 0: as many pages as needed
};

// The folder that report workbooks are written to: $XDG_CACHE_HOME/quorvan, made on demand
// and kept readable by its owner only.
QString workbookFolder();

class XlsxWriter {
public:
    // The version of the workbook format written, as a spreadsheet application reports its
    // own version.
    static constexpr const char* kFormatVersion = "12.0";

    // Creates an empty file readable by its owner only, under an unpredictable name
    // <folder>/<prefix>XXXXXX.xlsx, and starts the workbook. Throws XlsxError.
    XlsxWriter(const QString& folder, const QString& prefix, const WorkbookLayout& layout);
    ~XlsxWriter();  // a workbook not closed leaves no file behind
    XlsxWriter(const XlsxWriter&) = delete;
    XlsxWriter& operator=(const XlsxWriter&) = delete;

    QString path() const { return path_; }

    // Rows must come in ascending order; a row at or above one written is an error.
    void writeRow(const SheetRow& row);
    // Places the picture at the cell's top left. False when the file is missing or not a
    // picture the format can hold; the workbook is unchanged then.
    bool insertImage(int row, int column, const QString& imagePath);
    void setPageSetup(const PageSetup& setup);
    void selectCell(int row, int column);
    // Finishes the file. Throws XlsxError naming the file; it is removed then.
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    QString path_;
};

}  // namespace qv::platform
