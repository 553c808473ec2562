#include "app/program_icon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ProgramIcon, EveryRenderingIsEmbeddedAndDrawn) {
    const QIcon icon = qv::app::programIcon();
    QList<int> sides;  // -1 for a rendering that is not square
    for (const QSize& size : icon.availableSizes())
        sides << (size.width() == size.height() ? size.width() : -1);
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, QList<int>({16, 24, 32, 48, 64, 128, 256}));

    // A real drawing: transparent in the corner, the boxes on the pallet opaque across most
    // of the middle row. One device pixel per pixel: a screen of the tests is scaled.
    const QImage image = icon.pixmap(QSize(48, 48), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    int opaque = 0;
    for (int x = 0; x < image.width(); ++x)
        opaque += qAlpha(image.pixel(x, 24)) == 255;
    EXPECT_GT(opaque, 24);
}

}  // namespace
