#include <gtest/gtest.h>

#include "resources/dialog_units.h"

namespace {

TEST(DialogUnits, ConvertsWithTheDialogFontAndDropsFractions) {
    struct Case {
        double scale;
        int ux, uy;
        int px, py;
    };
    const Case cases[] = {
        {1.0, 391, 304, 586, 494},  // the configuration dialog
        {1.0, 1, 1, 1, 1},          // 1.5 and 1.625 round down
        {1.0, 3, 8, 4, 13},
        {1.0, 0, 0, 0, 0},
        {2.0, 391, 304, 1173, 988},
        {1.5, 391, 304, 879, 741},  // 879.75, 741.0
        {1.25, 8, 8, 15, 16},       // 15.0, 16.25
    };
    for (const Case& c : cases) {
        res::DialogUnits u(c.scale);
        EXPECT_EQ(u.x(c.ux), c.px) << c.scale << " " << c.ux;
        EXPECT_EQ(u.y(c.uy), c.py) << c.scale << " " << c.uy;
    }
}

TEST(DialogUnits, RectanglesThatTouchInUnitsTouchInPixels) {
    // Buttons "All OFF" (234, 34 wide) and "All ON" (268) share an edge.
    res::DialogUnits u;
    res::PixelRect off = u.rect(234, 12, 34, 14);
    res::PixelRect on = u.rect(268, 12, 34, 14);
    EXPECT_EQ(off.x + off.w, on.x);
    EXPECT_EQ(off.x, 351);
    EXPECT_EQ(off.w, 51);  // 351 .. 402
    EXPECT_EQ(off.h, 23);  // 19.5 .. 42.25 -> 19 .. 42
    EXPECT_EQ(off.y, 19);
}

TEST(DialogUnits, FontAndScaleFromDpi) {
    EXPECT_EQ(res::DialogUnits(1.0).fontPixels(), 11);
    EXPECT_EQ(res::DialogUnits(2.0).fontPixels(), 21);
    EXPECT_EQ(res::DialogUnits(0.0).scale(), 1.0);  // a broken scale is ignored
    struct Case {
        double dpi, scale;
    };
    const Case cases[] = {{96, 1.0}, {192, 2.0}, {144, 1.5}, {0, 1.0}, {-5, 1.0}, {10, 1.0}, {5000, 1.0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(res::scaleFromDpi(c.dpi), c.scale) << c.dpi;
}

}  // namespace
