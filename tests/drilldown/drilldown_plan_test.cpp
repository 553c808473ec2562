#include "drilldown/drilldown_plan.h"
#include "drilldown/list_hit.h"

#include <gtest/gtest.h>

namespace qv::drilldown {
namespace {

// The headers the window test double-clicks (each criterion's, Hold, HoldDate) are its own;
// here the others, each step as its kind.
TEST(DrillDownPlan, OtherHeadersSetTheLabelCopyOrClear) {
    static const char* const kinds[] = {"field", "summary", "label", "copy", "clear"};
    const std::pair<QString, QStringList> cases[] = {
        {"Item Desc", {"label", "copy"}},
        {"Qty Avail|Stock Date|Expiry|Whs|ProdDate", {"copy"}},
        {"Cat|UOM|Available|location|", {"clear"}},  // headers compare exactly
    };
    for (const auto& [headers, expected] : cases) {
        for (const QString& header : headers.split(u'|')) {
            QStringList steps;
            for (const DrillStep& step : drillDownSteps(header))
                steps << kinds[int(step.kind)];
            EXPECT_EQ(steps, expected) << header.toStdString();
        }
    }
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
