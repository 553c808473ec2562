#include "platform/xlsx_writer.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace qv::platform {

namespace {

QString lxwText(lxw_error error) {
    return QString::fromUtf8(lxw_strerror(error));
}

uint8_t lxwAlign(HAlign align) {
    switch (align) {
        case HAlign::Left:
            return LXW_ALIGN_LEFT;
        case HAlign::Centre:
            return LXW_ALIGN_CENTER;
        case HAlign::Right:
            return LXW_ALIGN_RIGHT;
        case HAlign::General:
            break;
    }
    return LXW_ALIGN_NONE;
}

// "&L<left>&C<centre>&R<right>": the one footer string of the file format.
QByteArray footerString(const PageSetup& setup) {
    return (QStringLiteral("&L") + setup.leftFooter + QStringLiteral("&C") + setup.centerFooter +
            QStringLiteral("&R") + setup.rightFooter)
        .toUtf8();
}

}  // namespace

struct XlsxWriter::Impl {
    QByteArray tmpdir;  // libxlsxwriter keeps the pointer
    lxw_workbook* workbook = nullptr;
    lxw_worksheet* sheet = nullptr;
    std::vector<lxw_format*> formats;
    std::vector<std::pair<int, int>> rowStyles;
    std::size_t nextRowStyle = 0;
    double rowHeight = LXW_DEF_ROW_HEIGHT;
    int lastRow = 0;
    QByteArray utf8;  // reused for every text cell

    lxw_format* format(int style) const {
        if (style < 0 || std::size_t(style) >= formats.size())
            throw XlsxError(QStringLiteral("There is no cell style %1").arg(style));
        return formats[std::size_t(style)];
    }
    void check(lxw_error error, const QString& what) const {
        if (error != LXW_NO_ERROR)
            throw XlsxError(what + QStringLiteral(": ") + lxwText(error));
    }
    // Row formats must be set before the row's cells: rows are written out as they pass.
    void applyRowStylesUpTo(int row) {
        for (; nextRowStyle < rowStyles.size() && rowStyles[nextRowStyle].first <= row;
             ++nextRowStyle) {
            const auto [styledRow, style] = rowStyles[nextRowStyle];
            check(worksheet_set_row(sheet, lxw_row_t(styledRow - 1), rowHeight, format(style)),
                  QStringLiteral("Cannot style row %1").arg(styledRow));
        }
    }
};

QString workbookFolder() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/quorvan";
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw XlsxError(QStringLiteral("Cannot make the folder %1 for the workbook").arg(folder));
    return folder;
}

XlsxWriter::XlsxWriter(const QString& folder, const QString& prefix, const WorkbookLayout& layout)
    : impl_(std::make_unique<Impl>()) {
    // QTemporaryFile makes the file owner-only under a random name; the workbook is then
    // written over it, so the name is never free for another program to take.
    QTemporaryFile file(folder + '/' + prefix + QStringLiteral("XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open())
        throw XlsxError(QStringLiteral("Cannot create a workbook file in %1: %2")
                            .arg(folder, file.errorString()));
    path_ = file.fileName();
    file.close();

    Impl& w = *impl_;
    w.tmpdir = QFile::encodeName(folder);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = w.tmpdir.data();
    w.workbook = workbook_new_opt(QFile::encodeName(path_).constData(), &options);
    if (!w.workbook) {
        QFile::remove(path_);
        throw XlsxError(QStringLiteral("Cannot start the workbook %1").arg(path_));
    }
    const QByteArray fontName = layout.fontName.toUtf8();
    for (const CellStyle& style : layout.styles) {
        lxw_format* f = workbook_add_format(w.workbook);
        format_set_font_name(f, fontName.constData());
        format_set_font_size(f, layout.fontSize);
        if (style.bold)
            format_set_bold(f);
        if (style.align != HAlign::General)
            format_set_align(f, lxwAlign(style.align));
        if (!style.numberFormat.isEmpty())
            format_set_num_format(f, style.numberFormat.toUtf8().constData());
        w.formats.push_back(f);
    }
    for (const QString& name : layout.sheetNames) {
        lxw_worksheet* sheet = workbook_add_worksheet(w.workbook, name.toUtf8().constData());
        if (!sheet)
            throw XlsxError(QStringLiteral("Cannot add the sheet \"%1\" to %2").arg(name, path_));
        if (!w.sheet)
            w.sheet = sheet;
    }
    if (!w.sheet)
        throw XlsxError(QStringLiteral("A workbook needs a sheet: %1").arg(path_));
    if (layout.defaultRowHeight > 0) {
        w.rowHeight = layout.defaultRowHeight;
        worksheet_set_default_row(w.sheet, w.rowHeight, LXW_FALSE);
    }
    for (const ColumnSpec& c : layout.columns)
        w.check(worksheet_set_column(w.sheet, lxw_col_t(c.first), lxw_col_t(c.last),
                                     c.width < 0 ? LXW_DEF_COL_WIDTH : c.width, w.format(c.style)),
                QStringLiteral("Cannot set columns %1 to %2").arg(c.first).arg(c.last));
    w.rowStyles = layout.rowStyles;
}

XlsxWriter::~XlsxWriter() {
    if (impl_->workbook) {
        lxw_workbook_free(impl_->workbook);
        QFile::remove(path_);
    }
}

void XlsxWriter::writeRow(const SheetRow& row) {
    Impl& w = *impl_;
    if (row.row <= w.lastRow)
        throw XlsxError(QStringLiteral("Row %1 comes after row %2").arg(row.row).arg(w.lastRow));
    w.applyRowStylesUpTo(row.row);
    w.lastRow = row.row;
    const auto r = lxw_row_t(row.row - 1);
    for (const Cell& cell : row.cells) {
        const auto c = lxw_col_t(cell.column);
        lxw_error error = LXW_NO_ERROR;
        if (cell.isNumber) {
            error = worksheet_write_number(w.sheet, r, c, cell.number, w.format(cell.style));
        } else if (!cell.text.isEmpty()) {
            w.utf8 = cell.text.toUtf8();
            error = worksheet_write_string(w.sheet, r, c, w.utf8.constData(), w.format(cell.style));
        }
        w.check(error, QStringLiteral("Cannot write row %1, column %2").arg(row.row).arg(c + 1));
    }
}

bool XlsxWriter::insertImage(int row, int column, const QString& imagePath) {
    // Checked first: libxlsxwriter would warn on standard error about a missing file.
    if (!QFileInfo(imagePath).isFile())
        return false;
    return worksheet_insert_image(impl_->sheet, lxw_row_t(row - 1), lxw_col_t(column),
                                  QFile::encodeName(imagePath).constData()) == LXW_NO_ERROR;
}

void XlsxWriter::setPageSetup(const PageSetup& s) {
    lxw_worksheet* sheet = impl_->sheet;
    if (s.printLastRow > 0)
        impl_->check(worksheet_print_area(sheet, 0, 0, lxw_row_t(s.printLastRow - 1),
                                          lxw_col_t(s.printLastColumn)),
                     QStringLiteral("Cannot set the print area"));
    if (s.repeatFirstRow > 0)
        impl_->check(worksheet_repeat_rows(sheet, lxw_row_t(s.repeatFirstRow - 1),
                                           lxw_row_t(s.repeatLastRow - 1)),
                     QStringLiteral("Cannot set the title rows"));
    worksheet_gridlines(sheet,
                        s.printGridlines ? LXW_SHOW_ALL_GRIDLINES : LXW_SHOW_SCREEN_GRIDLINES);
    worksheet_set_paper(sheet, uint8_t(s.paperSize));
    if (s.landscape)
        worksheet_set_landscape(sheet);
    else
        worksheet_set_portrait(sheet);
    lxw_header_footer_options header{};
    header.margin = s.headerMargin;
    impl_->check(worksheet_set_header_opt(sheet, "", &header),
                 QStringLiteral("Cannot set the header margin"));
    lxw_header_footer_options footer{};
    footer.margin = s.footerMargin;
    impl_->check(worksheet_set_footer_opt(sheet, footerString(s).constData(), &footer),
                 QStringLiteral("Cannot set the footers"));
    worksheet_set_margins(sheet, s.leftMargin, s.rightMargin, s.topMargin, s.bottomMargin);
    if (s.fitPagesWide > 0 || s.fitPagesTall > 0)
        worksheet_fit_to_pages(sheet, uint16_t(s.fitPagesWide), uint16_t(s.fitPagesTall));
}

void XlsxWriter::selectCell(int row, int column) {
    worksheet_set_selection(impl_->sheet, lxw_row_t(row - 1), lxw_col_t(column), lxw_row_t(row - 1),
                            lxw_col_t(column));
}

void XlsxWriter::close() {
    Impl& w = *impl_;
    w.applyRowStylesUpTo(w.rowStyles.empty() ? 0 : w.rowStyles.back().first);
    const lxw_error error = workbook_close(w.workbook);  // frees the workbook in any case
    w.workbook = nullptr;
    if (error != LXW_NO_ERROR) {
        QFile::remove(path_);
        throw XlsxError(
            QStringLiteral("Cannot write the workbook %1: %2").arg(path_, lxwText(error)));
    }
}

}  // namespace qv::platform
