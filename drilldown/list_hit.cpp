#include "drilldown/list_hit.h"

#include "platform/twips.h"

#include <cmath>

namespace qv::drilldown {

QPoint mousePixels(float xTwips, float yTwips) {
    const auto pixels = [](float twips) {
        return static_cast<int>(std::lrint(twips)) / platform::kTwipsPerPixel;
    };
    return {pixels(xTwips), pixels(yTwips)};
}

ListHit hitTest(QPoint pixel, const ListGeometry& list) {
    const int below = pixel.y() - list.firstRowTop;
    if (list.rowHeight <= 0 || below < 0 || below / list.rowHeight >= list.rowCount)
        return {};
    for (int column = 0; column < int(list.columns.size()); ++column) {
        const ListGeometry::Column& c = list.columns[std::size_t(column)];
        if (pixel.x() >= c.left && pixel.x() < c.left + c.width)
            return {below / list.rowHeight, column};
    }
    return {};
}

}  // namespace qv::drilldown
