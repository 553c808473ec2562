#include "search/lot_query.h"

#include <gtest/gtest.h>

using qv::search::buildLotStatement;
using qv::search::LotSearchCriteria;

namespace {

// The fixed text every statement starts with, piece by piece.
const QString kFixed = QStringLiteral(
    " "
    "  SELECT dbo.ICXLOT.LOCATION, dbo.ICXLOT.ITEMNUM, dbo.ICXLOT.LOTNUM, CASE "
    "dbo.ICITEM.STOCKUNIT WHEN 'KG' THEN dbo.ICXLOT.QTYAVAIL ELSE CAST(dbo.ICXLOT.QTYAVAIL AS INT) "
    "END AS QTYAVAIL, CONVERT(DATETIME, "
    "  CONVERT(CHAR(8), dbo.ICXLOT.STOCKDATE)) AS STOCKDATE, CONVERT(DATETIME, CONVERT(CHAR(8), "
    "dbo.ICXLOT.EXPIRYDATE)) AS EXPIRYDATE, dbo.OPTGRADE.GRADE, dbo.OPTPRODCODE.PRODCODE, "
    "  dbo.OPTCUSTCODE.CUSTCODE, dbo.ICXLOT.ONQUART, dbo.ICXLOT.ONQUARTDT, dbo.OPTWHSCODE.WHSCODE, "
    "dbo.ICITEM.CATEGORY, dbo.ICXLOT.QTYLEVEL, dbo.ICITEM.[DESC] AS ITEMDESC, "
    "  dbo.ICITEM.STOCKUNIT AS UOM, dbo.OPTPALLETSTATUS.PALLETSTATUS, dbo.OPTPRODDATE.PRODDATE, "
    "dbo.OPTLOTNUMBER.LOTNUMBER, CASE dbo.OPTORDPICK.ORDPICK WHEN NULL "
    "  THEN 'X' ELSE dbo.OPTORDPICK.ORDPICK END AS ORDPICK "
    "  FROM dbo.ICXLOT INNER JOIN "
    "  dbo.ICITEM ON dbo.ICXLOT.ITEMNUM = dbo.ICITEM.ITEMNO LEFT OUTER JOIN "
    "  dbo.OPTPRODDATE ON dbo.ICXLOT.LOTNUM = dbo.OPTPRODDATE.LOTNUM LEFT OUTER JOIN "
    "  dbo.OPTWHSCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTWHSCODE.LOTNUM LEFT OUTER JOIN "
    "  dbo.OPTPRODCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTPRODCODE.LOTNUM LEFT OUTER JOIN "
    "  dbo.OPTLOTNUMBER ON dbo.ICXLOT.LOTNUM = dbo.OPTLOTNUMBER.LOTNUM LEFT OUTER JOIN "
    "  dbo.OPTGRADE ON dbo.ICXLOT.LOTNUM = dbo.OPTGRADE.LOTNUM LEFT OUTER JOIN "
    "  dbo.OPTPALLETSTATUS ON dbo.ICXLOT.LOTNUM = dbo.OPTPALLETSTATUS.LOTNUM LEFT OUTER JOIN "
    "  dbo.OPTORDPICK ON dbo.ICXLOT.LOTNUM = dbo.OPTORDPICK.LOTNUM LEFT OUTER JOIN  "
    "  dbo.OPTCUSTCODE ON dbo.ICXLOT.LOTNUM = dbo.OPTCUSTCODE.LOTNUM "
    "  WHERE (dbo.ICXLOT.QTYLEVEL = 1) ");

const QString kNoCategory = QStringLiteral("  AND (dbo.ICITEM.CATEGORY LIKE '%%') ");

// The criterion clauses: the statement after its fixed text.
QString clauses(const LotSearchCriteria& criteria) {
    const QString sql = buildLotStatement(criteria);
    EXPECT_TRUE(sql.startsWith(kFixed));
    return sql.mid(kFixed.size());
}

LotSearchCriteria read(const QString& location, const QString& item, const QString& lot,
                       const QString& grade, const QString& prodCode, const QString& customer,
                       const QString& category, const QString& palletStatus) {
    return LotSearchCriteria::fromControlTexts(location, item, lot, grade, prodCode, customer,
                                               category, palletStatus);
}

}  // namespace

// How the drop-down texts are read (the category's code, the status in capitals) is the
// window's test.
TEST(LotStatement, BlanksAreNoCriterionAndKeepOnlyTheCategoryClause) {
    const auto blanks = read(" ", "", "  ", "", "", "", " ", "  ");
    EXPECT_TRUE(blanks.isEmpty());
    EXPECT_EQ(buildLotStatement(blanks), kFixed + kNoCategory);
}

TEST(LotStatement, CriterionClausesInTheirOrder) {
    const struct {
        LotSearchCriteria criteria;
        QString clauses;
    } cases[] = {
        // Lot and item need two characters.
        {read("", "A", "7", "", "", "", "", ""), kNoCategory},
        // C alone is exact, and its clause ends without a blank.
        {read("", "", "70", "", "", " c ", "", ""),
         "  AND (dbo.OPTCUSTCODE.CUSTCODE = 'C')  AND (dbo.ICXLOT.LOTNUM LIKE '%70%') " +
             kNoCategory},
        {read("WH1", "A100", "L70", "A", "P1", "CX", "B - Beans", "HOLD"),
         "  AND (dbo.OPTGRADE.GRADE LIKE '%A%') "
         "  AND (dbo.OPTPRODCODE.PRODCODE LIKE '%P1%') "
         "  AND (dbo.OPTPALLETSTATUS.PALLETSTATUS LIKE '%HOLD%') "
         "  AND (dbo.OPTCUSTCODE.CUSTCODE LIKE '%CX%') "
         "  AND (dbo.ICXLOT.LOTNUM LIKE '%L70%') "
         "  AND (dbo.ICXLOT.ITEMNUM LIKE '%A100%') "
         "  AND (dbo.ICXLOT.LOCATION LIKE '%WH1%') "
         "  AND (dbo.ICITEM.CATEGORY LIKE '%B%') "},
        // Apostrophes are doubled; LIKE's wildcards are the window's test.
        {read("", "", "", "O'B", "", "", "", ""),
         "  AND (dbo.OPTGRADE.GRADE LIKE '%O''B%') " + kNoCategory},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clauses(c.criteria), c.clauses);
}
