#include "search/lot_query.h"

#include "platform/quoting.h"

namespace qv::search {

namespace {

// One blank, then sixteen fixed pieces: each begins with two blanks and ends with one
// (the OPTORDPICK join with two).
constexpr const char16_t* kSelect =
    u" "
    u"  SELECT dbo.ICXLOT.LOCATION, dbo.ICXLOT.ITEMNUM, dbo.ICXLOT.LOTNUM, CASE "
    u"dbo.ICITEM.STOCKUNIT WHEN 'KG' THEN dbo.ICXLOT.QTYAVAIL ELSE CAST(dbo.ICXLOT.QTYAVAIL AS "
    u"INT) END AS QTYAVAIL, CONVERT(DATETIME, "
    u"  CONVERT(CHAR(8), dbo.ICXLOT.STOCKDATE)) AS STOCKDATE, CONVERT(DATETIME, CONVERT(CHAR(8), "
    u"dbo.ICXLOT.EXPIRYDATE)) AS EXPIRYDATE, dbo.OPTGRADE.GRADE, dbo.OPTPRODCODE.PRODCODE, "
    u"  dbo.OPTCUSTCODE.CUSTCODE, dbo.ICXLOT.ONQUART, dbo.ICXLOT.ONQUARTDT, "
    u"dbo.OPTWHSCODE.WHSCODE, dbo.ICITEM.CATEGORY, dbo.ICXLOT.QTYLEVEL, dbo.ICITEM.[DESC] AS "
    u"ITEMDESC, "
    u"  dbo.ICITEM.STOCKUNIT AS UOM, dbo.OPTPALLETSTATUS.PALLETSTATUS, dbo.OPTPRODDATE.PRODDATE, "
    u"dbo.OPTLOTNUMBER.LOTNUMBER, CASE dbo.OPTORDPICK.ORDPICK WHEN NULL "
    u"  THEN 'X' ELSE dbo.OPTORDPICK.ORDPICK END AS ORDPICK "
    u"  FROM dbo.ICXLOT INNER JOIN "
    u"  dbo.ICITEM ON dbo.ICXLOT.ITEMNUM = dbo.ICITEM.ITEMNO LEFT OUTER JOIN "
    u"  dbo.OPTPRODDATE ON dbo.ICXLOT.LOTNUM = dbo.OPTPRODDATE.LOTNUM LEFT OUTER JOIN "
    u"  dbo.OPTWHSCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTWHSCODE.LOTNUM LEFT OUTER JOIN "
    u"  dbo.OPTPRODCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTPRODCODE.LOTNUM LEFT OUTER JOIN "
    u"  dbo.OPTLOTNUMBER ON dbo.ICXLOT.LOTNUM = dbo.OPTLOTNUMBER.LOTNUM LEFT OUTER JOIN "
    u"  dbo.OPTGRADE ON dbo.ICXLOT.LOTNUM = dbo.OPTGRADE.LOTNUM LEFT OUTER JOIN "
    u"  dbo.OPTPALLETSTATUS ON dbo.ICXLOT.LOTNUM = dbo.OPTPALLETSTATUS.LOTNUM LEFT OUTER JOIN "
    u"  dbo.OPTORDPICK ON dbo.ICXLOT.LOTNUM = dbo.OPTORDPICK.LOTNUM LEFT OUTER JOIN  "
    u"  dbo.OPTCUSTCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTCUSTCODE.LOTNUM "
    u"  WHERE (dbo.ICXLOT.QTYLEVEL = 1) ";

// "  AND (<column> LIKE '%<value>%') ". The value is a typed text: its apostrophes are
// doubled so it is searched for literally and can never end the SQL string early.
// LIKE wildcards the user typed stay wildcards.
void appendLike(QString& sql, QStringView column, const QString& value) {
    sql += u"  AND (";
    sql += column;
    sql += u" LIKE '%";
    sql += platform::doubleQuotes(value, u'\'');
    sql += u"%') ";
}

}  // namespace

QString buildLotStatement(const LotSearchCriteria& c) {
    QString sql = QString::fromUtf16(kSelect);
    if (!c.Grade.isEmpty()) {
        appendLike(sql, u"dbo.OPTGRADE.GRADE", c.Grade);
    }
    if (!c.ProductCode.isEmpty()) {
        appendLike(sql, u"dbo.OPTPRODCODE.PRODCODE", c.ProductCode);
    }
    // The pallet-status control's text trimmed is empty exactly when the upper-cased,
    // trimmed value is.
    if (!c.PalletStatus.isEmpty()) {
        appendLike(sql, u"dbo.OPTPALLETSTATUS.PALLETSTATUS", c.PalletStatus);
    }
    if (c.CustomerCode.toUpper() == u"C") {
        // The one-letter code C would match nearly every code as a LIKE: it must be exact.
        sql += u"  AND (dbo.OPTCUSTCODE.CUSTCODE = 'C')";
    } else if (!c.CustomerCode.isEmpty()) {
        appendLike(sql, u"dbo.OPTCUSTCODE.CUSTCODE", c.CustomerCode);
    }
    // A single character would match most lot and item numbers; it narrows nothing.
    if (c.LotNumber.size() > 1) {
        appendLike(sql, u"dbo.ICXLOT.LOTNUM", c.LotNumber);
    }
    if (c.ItemNumber.size() > 1) {
        appendLike(sql, u"dbo.ICXLOT.ITEMNUM", c.ItemNumber);
    }
    if (!c.Location.isEmpty()) {
        appendLike(sql, u"dbo.ICXLOT.LOCATION", c.Location);
    }
    // Always present: with no category it keeps every item whose category is not null.
    appendLike(sql, u"dbo.ICITEM.CATEGORY", c.Category);
    return sql;
}

}  // namespace qv::search
