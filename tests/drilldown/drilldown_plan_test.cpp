#include "drilldown/drilldown_plan.h"

#include <gtest/gtest.h>

namespace qv::drilldown {
namespace {

// A step as text: "field:Location", "summary:Item", "label+12", "copy", "clear"; "+N" when
// the step reads a cell N columns right of the one double-clicked.
QString describe(const DrillStep& step) {
    const QString offset = step.cellOffset ? QString("+%1").arg(step.cellOffset) : QString();
    switch (step.kind) {
        case DrillStep::Kind::SetCriterion:
            return QString("field:%1").arg(int(step.criterion)) + offset;
        case DrillStep::Kind::ShowSummary:
            return QString("summary:%1").arg(int(step.summary)) + offset;
        case DrillStep::Kind::SetItemDescription:
            return "label" + offset;
        case DrillStep::Kind::CopyCell:
            return "copy" + offset;
        case DrillStep::Kind::ClearClipboard:
            return "clear" + offset;
    }
    return {};
}

QString field(Criterion criterion) {
    return QString("field:%1").arg(int(criterion));
}
QString summary(Summary summary) {
    return QString("summary:%1").arg(int(summary));
}

TEST(DrillDownPlan, EachHeaderSetsItsFieldThenSummaryThenLabelThenClipboard) {
    const struct {
        const char* header;
        QStringList steps;
    } cases[] = {
        {"Location", {field(Criterion::Location), summary(Summary::Location), "copy"}},
        {"Item Number", {field(Criterion::ItemNumber), summary(Summary::Item), "label+12", "copy"}},
        {"Lot Number", {field(Criterion::LotNumber), "copy"}},
        {"Qty Avail", {"copy"}},
        {"Stock Date", {"copy"}},
        {"Expiry", {"copy"}},
        {"Grade", {field(Criterion::Grade), summary(Summary::Grade), "copy"}},
        {"ProdCode", {field(Criterion::ProdCode), summary(Summary::ProdCode)}},
        {"CustCode", {field(Criterion::Customer), summary(Summary::CustCode), "copy"}},
        // The pallet-status summary comes first here; "Hold" sets the combo from HoldDate.
        {"Hold",
         {summary(Summary::PalletStatus), field(Criterion::PalletStatus) + "+1", "label+4",
          "clear"}},
        {"HoldDate", {summary(Summary::PalletStatus), field(Criterion::PalletStatus), "copy"}},
        {"Whs", {"copy"}},
        {"Cat", {"clear"}},
        {"Item Desc", {"label", "copy"}},
        {"UOM", {"clear"}},
        {"Available", {"clear"}},
        {"ProdDate", {"copy"}},
        {"location", {"clear"}},  // headers compare exactly
        {"", {"clear"}},
    };
    for (const auto& c : cases) {
        QStringList steps;
        for (const DrillStep& step : drillDownSteps(c.header))
            steps << describe(step);
        EXPECT_EQ(steps, c.steps) << c.header;
    }
}

TEST(DrillDownPlan, LotNumberLosesItsSuffixAndOtherCellsStayAsTheyAre) {
    EXPECT_EQ(criterionValue(Criterion::LotNumber, "LOT12345001"), "LOT12345");
    EXPECT_EQ(criterionValue(Criterion::LotNumber, "001"), "");
    EXPECT_EQ(criterionValue(Criterion::LotNumber, "01"), "");
    EXPECT_EQ(criterionValue(Criterion::LotNumber, ""), "");
    EXPECT_EQ(criterionValue(Criterion::Location, " WH1 "), " WH1 ");
    EXPECT_EQ(criterionValue(Criterion::Customer, "01"), "01");
}

}  // namespace
}  // namespace qv::drilldown
