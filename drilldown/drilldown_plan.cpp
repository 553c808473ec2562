#include "drilldown/drilldown_plan.h"

#include "host/criteria_finders.h"

#include <QStringView>

namespace qv::drilldown {

namespace {

using Kind = DrillStep::Kind;

DrillStep criterion(Criterion criterion, int cellOffset = 0) {
    return {Kind::SetCriterion, cellOffset, criterion};
}
DrillStep summary(Summary summary) {
    return {Kind::ShowSummary, 0, Criterion::Location, summary};
}
DrillStep itemDescription(int cellOffset) {
    return {Kind::SetItemDescription, cellOffset};
}
const DrillStep kCopy{Kind::CopyCell};
const DrillStep kClear{Kind::ClearClipboard};

struct HeaderSteps {
    QStringView header;
    std::vector<DrillStep> steps;
};

const std::vector<HeaderSteps>& headerSteps() {
    // The item description sits twelve columns right of "Item Number" and four right of
    // "Hold"; the pallet status a "Hold" cell stands for is in the next column, "HoldDate".
    static const std::vector<HeaderSteps> kSteps = {
        {u"Location", {criterion(Criterion::Location), summary(Summary::Location), kCopy}},
        {u"Item Number",
         {criterion(Criterion::ItemNumber), summary(Summary::Item), itemDescription(12), kCopy}},
        {u"Lot Number", {criterion(Criterion::LotNumber), kCopy}},
        {u"Qty Avail", {kCopy}},
        {u"Stock Date", {kCopy}},
        {u"Expiry", {kCopy}},
        {u"Grade", {criterion(Criterion::Grade), summary(Summary::Grade), kCopy}},
        {u"ProdCode", {criterion(Criterion::ProdCode), summary(Summary::ProdCode)}},
        {u"CustCode", {criterion(Criterion::Customer), summary(Summary::CustCode), kCopy}},
        {u"Hold",
         {summary(Summary::PalletStatus), criterion(Criterion::PalletStatus, 1), itemDescription(4),
          kClear}},
        {u"HoldDate", {summary(Summary::PalletStatus), criterion(Criterion::PalletStatus), kCopy}},
        {u"Whs", {kCopy}},
        {u"Item Desc", {itemDescription(0), kCopy}},
        {u"ProdDate", {kCopy}},
    };
    return kSteps;
}

}  // namespace

std::vector<DrillStep> drillDownSteps(const QString& header) {
    for (const HeaderSteps& entry : headerSteps()) {
        if (entry.header == header)
            return entry.steps;
    }
    return {kClear};  // "Cat", "UOM", "Available" and any other text
}

QString criterionValue(Criterion criterion, const QString& cell) {
    return criterion == Criterion::LotNumber ? host::lotNumberWithoutSuffix(cell) : cell;
}

}  // namespace qv::drilldown
