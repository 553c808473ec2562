#include "drilldown/list_hit.h"

#include <gtest/gtest.h>

namespace qv::drilldown {
namespace {

TEST(ListHit, MousePositionInTwipsBecomesWholePixels) {
    const struct {
        float twips;
        int pixels;
    } cases[] = {
        {0, 0},       {14, 0}, {14.5f, 0},  // 14.5 rounds to the even 14
        {15.5f, 1},   {29, 1}, {29.5f, 2},  // 29.5 rounds to the even 30
        {-14.9f, -1}, {-7, 0},              // the division truncates
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mousePixels(c.twips, 0).x(), c.pixels) << c.twips;
        EXPECT_EQ(mousePixels(0, c.twips).y(), c.pixels) << c.twips;
    }
}

TEST(ListHit, FindsTheRowAndColumnUnderThePoint) {
    // Three rows of 10 pixels, scrolled down by 4; columns of 20, a hidden one, then 30,
    // scrolled right by 5.
    const ListGeometry list{3, 10, -4, {{-5, 20}, {15, 0}, {15, 30}}};
    const struct {
        QPoint pixel;
        int item;
        int subItem;
    } cases[] = {
        {{0, 0}, 0, 0},    {{14, 5}, 0, 0},   {{15, 5}, 0, 2},
        {{44, 6}, 1, 2},   {{10, 25}, 2, 0},  {{10, 26}, -1, -1},  // below the last row
        {{45, 5}, -1, -1},                                         // beside every column
        {{-6, 5}, -1, -1}, {{0, -5}, -1, -1},
    };
    for (const auto& c : cases) {
        const ListHit hit = hitTest(c.pixel, list);
        EXPECT_EQ(hit.item, c.item) << c.pixel.x() << "," << c.pixel.y();
        EXPECT_EQ(hit.subItem, c.subItem) << c.pixel.x() << "," << c.pixel.y();
    }
    EXPECT_EQ(hitTest({0, 0}, ListGeometry{0, 10, 0, {{0, 20}}}).item, -1);  // empty list
}

}  // namespace
}  // namespace qv::drilldown
