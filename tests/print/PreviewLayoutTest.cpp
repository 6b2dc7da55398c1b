#include <gtest/gtest.h>

#include "print/PreviewLayout.h"

namespace kelvane::test {
namespace {

TPreviewLayoutInput A4OnA96DpiScreen(int entry, QSize client = QSize(1000, 700)) {
    TPreviewLayoutInput input;
    input.client = client;
    input.metrics = TPageMetrics{600, 600, 4960, 7016, 100, 100};
    input.zoomEntry = entry;
    return input;
}

TEST(PreviewLayoutTest, ActualSizeOfAnA4Page) {
    const TPreviewLayout layout = LayOutPreview(A4OnA96DpiScreen(ze100));
    EXPECT_DOUBLE_EQ(layout.zoom, 1.0);
    EXPECT_EQ(layout.panel, QSize(794, 1123));
    // Taller than the area: the container grows, the panel sits 10 from the top.
    EXPECT_EQ(layout.container, QSize(999, 1143));
    EXPECT_EQ(layout.firstPanel, QPoint(999 / 2 - 794 / 2, 10));
}

TEST(PreviewLayoutTest, FitToPageAndFitToWidth) {
    const TPreviewLayout page = LayOutPreview(A4OnA96DpiScreen(zeFitToPage));
    EXPECT_NEAR(page.panel.height(), 700 - 20, 1);
    EXPECT_EQ(page.container, QSize(999, std::max(page.panel.height() + 20, 699)));
    const TPreviewLayout width = LayOutPreview(A4OnA96DpiScreen(zeFitToWidth));
    EXPECT_NEAR(width.panel.width(), 1000 - 20, 1);
    EXPECT_NEAR(width.zoom, 980.0 / 96 / (4960.0 / 600), 1e-9);
}

TEST(PreviewLayoutTest, FixedAndCustomFactors) {
    for (int entry = ze25; entry < kZoomEntryCount; ++entry) {
        const double percent = ZoomEntryTexts()[entry].chopped(1).toDouble();
        EXPECT_DOUBLE_EQ(ZoomFactor(A4OnA96DpiScreen(entry)), percent / 100) << entry;
    }
    TPreviewLayoutInput custom = A4OnA96DpiScreen(zeCustom);
    custom.currentZoom = 1.5;
    EXPECT_DOUBLE_EQ(ZoomFactor(custom), 1.5);
    EXPECT_DOUBLE_EQ(ZoomFactor(A4OnA96DpiScreen(-1)), 1.0);
}

TEST(PreviewLayoutTest, TwoPagesOnlyWhenFittedToThePage) {
    TPreviewLayoutInput input = A4OnA96DpiScreen(zeFitToPage, QSize(1400, 900));
    input.twoPages = true;
    const TPreviewLayout two = LayOutPreview(input);
    EXPECT_TRUE(two.twoPages);
    EXPECT_EQ(two.secondPanel, two.firstPanel + QPoint(two.panel.width() + 20, 0));
    // Both panels centred together in the area.
    EXPECT_EQ(two.firstPanel.x(), 1399 / 2 - (2 * (two.panel.width() + 20) - 20) / 2);

    input.zoomEntry = ze50;
    EXPECT_FALSE(LayOutPreview(input).twoPages);
}

}  // namespace
}  // namespace kelvane::test
