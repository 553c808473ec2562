#include "drilldown/drilldown_plan.h"
#include "drilldown/list_hit.h"

#include <gtest/gtest.h>

namespace qv::drilldown {
namespace {

QString field(Criterion criterion) {
    return QString("field:%1").arg(int(criterion));
}
QString summary(Summary summary) {
    return QString("summary:%1").arg(int(summary));
}

// A step as text: "field:<criterion>", "summary:<summary>", "label", "copy" or "clear", then
// "+N" when it reads the cell N columns right of the one double-clicked.
QString describe(const DrillStep& step) {
    using Kind = DrillStep::Kind;
    const QString what = step.kind == Kind::SetCriterion         ? field(step.criterion)
                         : step.kind == Kind::ShowSummary        ? summary(step.summary)
                         : step.kind == Kind::SetItemDescription ? QString("label")
                         : step.kind == Kind::CopyCell           ? QString("copy")
                                                                 : QString("clear");
    return step.cellOffset ? what + QString("+%1").arg(step.cellOffset) : what;
}

TEST(DrillDownPlan, EachHeaderSetsItsFieldThenSummaryThenLabelThenClipboard) {
    const std::pair<QString, QStringList> cases[] = {
        {"Location", {field(Criterion::Location), summary(Summary::Location), "copy"}},
        {"Item Number", {field(Criterion::ItemNumber), summary(Summary::Item), "label+12", "copy"}},
        {"Lot Number", {field(Criterion::LotNumber), "copy"}},
        {"Grade", {field(Criterion::Grade), summary(Summary::Grade), "copy"}},
        {"ProdCode", {field(Criterion::ProdCode), summary(Summary::ProdCode)}},
        {"CustCode", {field(Criterion::Customer), summary(Summary::CustCode), "copy"}},
        // The pallet-status summary comes first here; "Hold" sets the combo from HoldDate.
        {"Hold",
         {summary(Summary::PalletStatus), field(Criterion::PalletStatus) + "+1", "label+4",
          "clear"}},
        {"HoldDate", {summary(Summary::PalletStatus), field(Criterion::PalletStatus), "copy"}},
        {"Item Desc", {"label", "copy"}},
        {"Qty Avail|Stock Date|Expiry|Whs|ProdDate", {"copy"}},
        {"Cat|UOM|Available|location|", {"clear"}},  // headers compare exactly
    };
    for (const auto& [headers, expected] : cases) {
        for (const QString& header : headers.split(u'|')) {
            QStringList steps;
            for (const DrillStep& step : drillDownSteps(header))
                steps << describe(step);
            EXPECT_EQ(steps, expected) << header.toStdString();
        }
    }
    // The lot number loses its three-character suffix; other cells stay as they are.
    EXPECT_EQ(criterionValue(Criterion::LotNumber, "LOT12345001"), "LOT12345");
    EXPECT_EQ(criterionValue(Criterion::Customer, "001"), "001");
}

TEST(ListHit, FindsTheRowAndColumnUnderTheMouse) {
    // Twips round half to even, then the division by 15 truncates.
    const std::pair<float, int> twips[] = {
        {14.5f, 0}, {15.5f, 1}, {29.5f, 2}, {-14.9f, -1}, {-7, 0}};
    for (const auto& [in, pixels] : twips)
        EXPECT_EQ(mousePixels(in, -in), QPoint(pixels, -pixels)) << in;

    // Three rows of 10 pixels, scrolled down by 4; columns of 20, a hidden one, then 30,
    // scrolled right by 5.
    const ListGeometry list{3, 10, -4, {{-5, 20}, {15, 0}, {15, 30}}};
    const std::pair<QPoint, QPoint> hits[] = {
        {{14, 5}, {0, 0}},    {{15, 5}, {0, 2}},   {{44, 6}, {1, 2}},   {{10, 25}, {2, 0}},
        {{10, 26}, {-1, -1}}, {{45, 5}, {-1, -1}}, {{-6, 5}, {-1, -1}}, {{0, -5}, {-1, -1}}};
    for (const auto& [pixel, expected] : hits) {
        const ListHit hit = hitTest(pixel, list);
        EXPECT_EQ(QPoint(hit.item, hit.subItem), expected) << pixel.x() << "," << pixel.y();
    }
    EXPECT_EQ(hitTest({0, 0}, ListGeometry{0, 10, 0, {{0, 20}}}).item, -1);  // empty list
}

}  // namespace
}  // namespace qv::drilldown
