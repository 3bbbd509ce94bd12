#include <gtest/gtest.h>

#include "render/frame.h"

namespace {

struct ViewportCase {
    int windowWidth, windowHeight;
    bool keepAspect;
    int x, y, width, height;
    double aspect;
};

class ViewportTest : public ::testing::TestWithParam<ViewportCase> {};

TEST_P(ViewportTest, PlacesPictureAndAspect) {
    const ViewportCase& c = GetParam();
    ViewportLayout v = computeViewport(c.windowWidth, c.windowHeight, c.keepAspect);
    EXPECT_EQ(v.x, c.x);
    EXPECT_EQ(v.y, c.y);
    EXPECT_EQ(v.width, c.width);
    EXPECT_EQ(v.height, c.height);
    EXPECT_DOUBLE_EQ(v.aspect, c.aspect);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ViewportTest,
    ::testing::Values(
        // Narrower than 1.6: equal black bands above and below.
        ViewportCase{1024, 768, true, 0, 64, 1024, 640, 1.6},
        // Wider than 1.6: the viewport overhangs top and bottom.
        ViewportCase{1920, 1080, true, 0, -60, 1920, 1200, 1.6},
        // Height truncated (853.75), offset truncated toward zero (-85 / 2).
        ViewportCase{1366, 768, true, 0, -42, 1366, 853, 1366.0 / 853},
        // Exactly 1.6: no bands.
        ViewportCase{1024, 640, true, 0, 0, 1024, 640, 1.6},
        // Odd band: (481 - 300) / 2 truncates.
        ViewportCase{480, 481, true, 0, 90, 480, 300, 1.6},
        // Without the setting the viewport is the window.
        ViewportCase{1366, 768, false, 0, 0, 1366, 768, 1366.0 / 768},
        ViewportCase{474, 240, false, 0, 0, 474, 240, 474.0 / 240},
        // Degenerate sizes keep a finite aspect.
        ViewportCase{640, 0, false, 0, 0, 640, 0, 1.0},
        ViewportCase{0, 480, false, 0, 0, 0, 480, 1.0},
        ViewportCase{1, 100, true, 0, 50, 1, 0, 1.0},
        ViewportCase{0, 0, true, 0, 0, 0, 0, 1.0}));

}  // namespace
