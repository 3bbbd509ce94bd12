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

TEST(DialogUnits, ScaleIsLoweredWhereTheDialogWouldNotFitTheScreen) {
    struct Case {
        double desktop;
        int screenW, screenH;
        double scale;
    };
    // A dialog of 500 x 400 pixels at scale 1.
    const Case cases[] = {
        {2.0, 2560, 1600, 2.0},  // fits at twice its size
        {2.0, 1280, 800, 1.76},  // (800 - 96) / 400: lowered to fit the height
        {2.0, 1032, 2000, 2.0},  // (1032 - 32) / 500: just fits the width
        {2.0, 900, 2000, 1.736},
        {1.0, 640, 480, 1.0},    // never below the dialog's own size
        {1.5, 0, 0, 1.5},        // screen size unknown
        {1.25, 1920, 1080, 1.25},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(res::scaleToFit(c.desktop, 500, 400, c.screenW, c.screenH), c.scale, 0.001)
            << c.desktop << " on " << c.screenW << "x" << c.screenH;
    }
}
