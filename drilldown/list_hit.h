#pragma once
// Which cell of a list lies under the remembered mouse position: the list-view sub-item hit
// test, on the list's geometry as plain numbers so it is checked without a window.

#include <QPoint>

#include <vector>

namespace qv::drilldown {

// A list with rows of one height, in the pixels of its viewport (the rows' area).
struct ListGeometry {
    int rowCount = 0;
    int rowHeight = 0;
    int firstRowTop = 0;  // where row 0 begins: negative once the list has scrolled down
    struct Column {
        int left = 0;   // where it begins: moves left as the list scrolls right
        int width = 0;  // 0 for a hidden column
    };
    std::vector<Column> columns;  // by column index, the first column being 0
};

// The hit row (item) and column (sub-item); -1 for both when the point lies on no cell:
// below the last row, above the first, or beside every column.
struct ListHit {
    int item = -1;
    int subItem = -1;
};

// The remembered mouse position, in twips, as whole pixels: each coordinate rounded to a
// whole number (halves to even), then divided by the twips per pixel, the division
// truncating.
QPoint mousePixels(float xTwips, float yTwips);

ListHit hitTest(QPoint pixel, const ListGeometry& list);

}  // namespace qv::drilldown
