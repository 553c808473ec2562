#include "report/lot_report.h"

#include "platform/formats.h"

#include <algorithm>
#include <cmath>

namespace qv::report {

namespace {

using platform::Cell;
using platform::CellStyle;
using platform::HAlign;
using platform::NumberFormat;
using platform::SheetRow;

constexpr int kHeadingRow = 4;
constexpr int kMaxSheetRows = 1048576;

// Each column's own style; the heading row adds bold to it.
Style columnStyle(int column) {
    switch (column) {
        case A:
        case C:
            return LeftAligned;
        case D:
            return CentredText;
        case E:
            return RightNumber;
        case F:
            return Centred;
        default:
            return Plain;
    }
}

Style bold(Style style) {
    return Style(style + BoldPlain);
}

Cell text(int column, QString value, Style style) {
    Cell cell;
    cell.column = column;
    cell.text = std::move(value);
    cell.style = style;
    return cell;
}
Cell text(int column, QStringView value) {
    return text(column, value.toString(), columnStyle(column));
}
Cell number(int column, double value, Style style) {
    Cell cell;
    cell.column = column;
    cell.isNumber = true;
    cell.number = value;
    cell.style = style;
    return cell;
}

CellStyle aligned(HAlign align, const QString& numberFormat = {}) {
    return {false, align, numberFormat};
}

bool isKg(QStringView uom) {
    return uom == u"KG";
}

// A fixed text before or after a record's text.
QString joined(QStringView first, QStringView second) {
    QString out;
    out.reserve(first.size() + second.size());
    return out.append(first).append(second);
}

// Keeps the text's buffer: the run tests remember a text for every row.
void remember(QString& kept, QStringView text) {
    kept.resize(0);
    kept.append(text);
}

}  // namespace

platform::WorkbookLayout workbookLayout(int fontSize) {
    platform::WorkbookLayout layout;
    layout.fontName = QString::fromLatin1(kReportFont);
    layout.fontSize = fontSize;
    layout.styles.resize(StyleCount);
    layout.styles[LeftAligned] = aligned(HAlign::Left);
    layout.styles[CentredText] = aligned(HAlign::Centre, QStringLiteral("@"));
    layout.styles[RightNumber] = aligned(HAlign::Right, QStringLiteral("0.00"));
    layout.styles[Centred] = aligned(HAlign::Centre);
    for (Style s : {Plain, LeftAligned, CentredText, RightNumber, Centred}) {
        layout.styles[bold(s)] = layout.styles[s];
        layout.styles[bold(s)].bold = true;
    }
    layout.styles[WholeQuantity] = aligned(HAlign::Right, QStringLiteral("#,##0"));
    layout.styles[DecimalQuantity] = aligned(HAlign::Right, QStringLiteral("#,##0.00"));
    layout.sheetNames = {QString::fromLatin1(kReportSheet), QString::fromLatin1(kPickSheet)};

    // Widths of A to V; W and everything right of it keep the default width, but every
    // column carries the font, as a whole sheet set to one font does.
    constexpr double kWidths[] = {6, 10, 16, 25, 12, 6,  18, 17, 17, 8, 4,
                                  4, 4,  4,  4,  15, 10, 35, 14, 10, 6, 12};
    for (int c = A; c <= V; ++c)
        layout.columns.push_back({c, c, kWidths[c], columnStyle(c)});
    layout.columns.push_back({W, 16383, -1, Plain});
    // Rows as tall as the font needs: about 1.35 times its size, in whole screen pixels
    // (0.75 point each), as a spreadsheet sizes rows for a font set on the whole sheet.
    layout.defaultRowHeight = std::ceil(fontSize * 1.35 / 0.75) * 0.75;
    layout.rowStyles = {{kHeadingRow, BoldPlain}};
    return layout;
}

std::vector<SheetRow> titleRows(const QDateTime& now) {
    std::vector<SheetRow> rows(3);
    rows[0] = {1,
               {text(D, platform::formatDate(now.date()), CentredText),
                text(E, QStringLiteral("Brisvale"), RightNumber)}};
    rows[1] = {2, {text(D, platform::formatTime(now.time()), CentredText)}};
    rows[2].row = kHeadingRow;
    const std::pair<Column, const char*> headings[] = {
        {A, "Num"},       {B, "Location"}, {C, "Item Number"}, {D, "LotNumber"},
        {E, "   Qty"},    {F, "Grade"},    {G, "CustCode"},    {H, "Total Item"},
        {I, "Total Row"}, {J, "Picked"},   {P, "Hold"},        {Q, "Category"},
        {R, "Item Desc"}, {S, "ProdCode"}, {T, "Pallet"},      {U, "UOM"},
        {V, "WhsCode"},   {W, " "}};
    for (const auto& [column, heading] : headings)
        rows[2].cells.push_back(
            text(column, QString::fromLatin1(heading), bold(columnStyle(column))));
    return rows;
}

std::optional<SheetRow> ReportRows::add(const ReportRecords& records, qsizetype i) {
    using Field = ReportRecords;
    const QStringView location = records.text(i, Field::LOCATION);
    if (location.isEmpty())
        return std::nullopt;
    const QStringView item = records.text(i, Field::ITEMNUM);
    const QStringView uom = records.text(i, Field::UOM);
    const double qty = platform::roundHalfEven(records.quantity(i), 2);

    const bool sameLocation = !first_ && location == lastLocation_;
    const bool sameItem = !first_ && item == lastItem_;
    num_ = sameLocation ? num_ + 1 : 1;
    grandTotal_ += qty;
    itemTotal_ = sameItem ? itemTotal_ + qty : qty;
    items_ += sameItem ? 0 : 1;
    locationTotal_ = sameLocation ? locationTotal_ + qty : qty;
    locations_ += sameLocation ? 0 : 1;
    ++lots_;
    first_ = false;
    remember(lastLocation_, location);
    remember(lastItem_, item);

    static const NumberFormat wholeTotal(u"###,##0 ");
    static const NumberFormat kgTotal(u"###,###.#0 ");
    const NumberFormat& total = isKg(uom) ? kgTotal : wholeTotal;
    SheetRow row{row_++, {}};
    row.cells.reserve(16);
    // Empty texts leave their cells empty: a null field writes nothing.
    const auto put = [&row](Cell cell) {
        if (cell.isNumber || !cell.text.isEmpty())
            row.cells.push_back(std::move(cell));
    };
    put(number(A, double(num_), LeftAligned));
    put(text(B, location));
    put(text(C, item));
    put(text(D, joined(records.text(i, Field::LOTNUM), u"  "), CentredText));
    put(number(E, qty, isKg(uom) ? DecimalQuantity : WholeQuantity));
    put(text(F, joined(u"  ", records.text(i, Field::GRADE)), Centred));
    put(text(G, joined(u"  ", records.text(i, Field::CUSTCODE)), Plain));
    put(text(H, total.format(itemTotal_), Plain));
    put(text(I, total.format(locationTotal_), Plain));
    if (records.onHold(i)) {
        put(text(L, QStringLiteral("HOLD"), Plain));
        ++holds_;
    }
    put(text(Q, records.text(i, Field::CATEGORY)));
    put(text(R, records.text(i, Field::ITEMDESC)));
    put(text(S, joined(u" ", records.text(i, Field::PRODCODE)), Plain));
    put(text(T, records.text(i, Field::PALLETSTATUS)));
    put(text(U, uom));
    put(text(V, records.text(i, Field::WHSCODE)));
    return row;
}

SheetRow ReportRows::totalsRow() const {
    static const NumberFormat count(u"#,##0 ");
    static const NumberFormat quantity(u"#,###,##0 ");
    return {row_ + 1,
            {number(A, double(lots_), LeftAligned),
             text(B, QStringLiteral(" Locs: ") + count.format(double(locations_)), Plain),
             text(C, QStringLiteral(" Items: ") + count.format(double(items_)), LeftAligned),
             text(D, QStringLiteral(" Lots: ") + count.format(double(lots_)), CentredText),
             text(E, quantity.format(grandTotal_), RightNumber),
             text(P, QStringLiteral("Hold: ") + count.format(double(holds_)), Plain)}};
}

qint64 printEndRow(qint64 recordCount) {
    return recordCount + 5;
}

platform::PageSetup pageSetup(PrintLayout layout, qint64 recordCount) {
    const bool wide = layout == PrintLayout::Wide;
    platform::PageSetup s;
    s.printLastColumn = wide ? V : I;
    s.printLastRow = int(std::min<qint64>(printEndRow(recordCount), kMaxSheetRows));
    s.repeatFirstRow = 1;
    s.repeatLastRow = kHeadingRow;
    s.printGridlines = false;
    s.paperSize = 1;
    s.landscape = wide;
    s.leftFooter = QStringLiteral("&Z&F & \\&F");
    s.centerFooter = QStringLiteral("\n&P of &N");
    s.rightFooter = QStringLiteral("&A       &D  &T");
    s.headerMargin = 0.25;
    s.footerMargin = 0.3;
    s.leftMargin = 0.25;
    s.rightMargin = 0.25;
    s.topMargin = 0.35;
    s.bottomMargin = 0.55;
    s.fitPagesWide = 1;
    s.fitPagesTall = 0;
    return s;
}

QString logoPath(const QString& companyFolder) {
    return companyFolder + QStringLiteral("/BMP/brisvale.bmp");
}

}  // namespace qv::report
