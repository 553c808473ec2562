#include "drilldown/summary_queries.h"

#include "host/sql_view_run.h"
#include "host/view.h"
#include "platform/formats.h"
#include "platform/quoting.h"

#include <array>
#include <span>
#include <stdexcept>

namespace qv::drilldown {

namespace {

// The pieces every summary shares. Their blanks are part of the statement the company
// database receives, odd ones included.
constexpr const char16_t* kSelect = u" SELECT ";
constexpr const char16_t* kCountAndSum =
    u" COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL ";
constexpr const char16_t* kFromLotsWithFields =
    u" FROM  dbo.ICXLOT INNER JOIN dbo.ICXLOTO ON dbo.ICXLOT.LOTNUM = dbo.ICXLOTO.LOTNUM ";
constexpr const char16_t* kGroupByField =
    u" GROUP BY dbo.ICXLOT.QTYLEVEL, dbo.ICXLOTO.OPTFIELD, dbo.ICXLOTO.VALUE ";
constexpr const char16_t* kCloseValue = u"')";

struct SummaryDefinition {
    Summary summary;
    std::array<const char16_t*, 5> beforeValue;
    const char16_t* format;
};

const SummaryDefinition kSummaries[] = {
    {Summary::Grade,
     {kSelect, kCountAndSum, kFromLotsWithFields,
      u" GROUP BY dbo.ICXLOT.QTYLEVEL, dbo.ICXLOTO.OPTFIELD , dbo.ICXLOTO.VALUE ",
      u" HAVING (dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOTO.OPTFIELD = 'GRADE') AND "
      u"(dbo.ICXLOTO.VALUE = '"},
     u"#,###"},
    {Summary::Item,
     {kSelect, kCountAndSum, kFromLotsWithFields,
      u" GROUP BY dbo.ICXLOT.QTYLEVEL, dbo.ICXLOT.ITEMNUM ",
      u" HAVING (dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOT.ITEMNUM = '"},
     u"###,###,###"},
    {Summary::CustCode,
     {kSelect,
      u" COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL, "
      u"dbo.ICXLOTO.VALUE ",
      kFromLotsWithFields, kGroupByField,
      u" HAVING (dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOTO.OPTFIELD = 'CUSTCODE') AND "
      u"(dbo.ICXLOTO.VALUE = '"},
     u"###,###,###"},
    {Summary::ProdCode,
     {kSelect,
      u" COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL, "
      u"dbo.ICXLOTO.VALUE ",
      kFromLotsWithFields, kGroupByField,
      u" HAVING (dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOTO.OPTFIELD = 'PRODCODE') AND "
      u"(dbo.ICXLOTO.VALUE = '"},
     u"###,###,###"},
    {Summary::PalletStatus,
     {kSelect,
      u" COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL, "
      u"dbo.ICXLOTO.OPTFIELD, dbo.ICXLOTO.VALUE ",
      kFromLotsWithFields,
      u" GROUP BY dbo.ICXLOTO.OPTFIELD, dbo.ICXLOTO.VALUE, dbo.ICXLOT.QTYLEVEL ",
      u" HAVING (dbo.ICXLOTO.OPTFIELD = 'PALLETSTATUS') AND (dbo.ICXLOT.QTYLEVEL = 1) AND "
      u"(dbo.ICXLOTO.VALUE = '"},
     u"###,###,###"},
    {Summary::Location,
     {kSelect, u" COUNT(dbo.ICXLOT.LOTNUM) AS COUNT, SUM(dbo.ICXLOT.QTYAVAIL) AS QTYTOTAL",
      u" FROM  dbo.ICXLOT  ", u" GROUP BY dbo.ICXLOT.QTYLEVEL, dbo.ICXLOT.LOCATION ",
      u" HAVING (dbo.ICXLOT.QTYLEVEL = 1) AND (dbo.ICXLOT.LOCATION = '"},
     u"###,###,###"},
};

const SummaryDefinition& definitionOf(Summary summary) {
    for (const SummaryDefinition& definition : kSummaries) {
        if (definition.summary == summary)
            return definition;
    }
    throw std::logic_error("no statement for this summary");
}

QString statement(std::span<const char16_t* const> beforeValue, const QString& value,
                  const char16_t* afterValue) {
    QString sql;
    for (const char16_t* piece : beforeValue)
        sql += QStringView(piece);
    sql += platform::doubleQuotes(value, u'\'');
    sql += QStringView(afterValue);
    return sql;
}

// Runs sql through a new SQL view of link, fetches once and hands the view and whether a
// row was read to read(); the view goes when this returns, also on failure.
template <typename Read>
auto afterOneFetch(host::DbLink& link, const QString& sql, Read read) {
    const host::SqlViewRun run(link, sql);
    const bool found = run.view().fetch();
    return read(run.view(), found);
}

}  // namespace

QString summaryStatement(Summary summary, const QString& value) {
    return statement(definitionOf(summary).beforeValue, value, kCloseValue);
}

QString itemDescStatement(const QString& mItemNum) {
    static constexpr const char16_t* kBeforeValue[] = {
        u" SELECT ", u" ITEMNO, [DESC] AS ITEMDESC, CATEGORY, STOCKUNIT, PICKINGSEQ, LCONTCODE ",
        u" From dbo.ICITEM ", u" WHERE (ITEMNO = '"};
    return statement(kBeforeValue, mItemNum, u"') ");
}

qint32 wholeQuantity(const QVariant& value) {
    const QString text = value.toString().trimmed();
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (!isNumber)
        throw std::runtime_error(
            QStringLiteral("The quantity \"%1\" is not a number").arg(text).toStdString());
    return platform::addRounded(0, number, "quantity");
}

SummaryFigures querySummary(host::DbLink& link, Summary summary, const QString& value) {
    const SummaryDefinition& definition = definitionOf(summary);
    return afterOneFetch(
        link, summaryStatement(summary, value), [&](const host::View& view, bool found) {
            // Without a row there is nothing to count: a zero, which shows no digits.
            QString count = QStringLiteral("0");
            qint32 quantity = 0;
            if (found) {
                count = view.field(QStringLiteral("COUNT")).toString().trimmed();
                quantity = wholeQuantity(view.field(QStringLiteral("QTYTOTAL")));
            }
            bool countIsNumber = false;
            const double countNumber = count.toDouble(&countIsNumber);
            return SummaryFigures{
                platform::formatNumber(quantity, definition.format),
                countIsNumber ? platform::formatNumber(countNumber, u"###,###,###") : count};
        });
}

QString GetItemDesc(host::DbLink& link, const QString& mItemNum) {
    return afterOneFetch(link, itemDescStatement(mItemNum), [](const host::View& view, bool found) {
        if (!found)
            return QString();
        return view.field(QStringLiteral("ITEMDESC")).toString() + QStringLiteral("   ") +
               view.field(QStringLiteral("STOCKUNIT")).toString();
    });
}

}  // namespace qv::drilldown
