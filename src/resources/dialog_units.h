// Dialog units to pixels. Templates measure in dialog units of their font;
// for the dialog font (8 points at 96 dots per inch) one horizontal unit is
// 1.5 pixels and one vertical unit 1.625 pixels. On denser displays every
// length grows by the desktop's scale (dots per inch / 96).
#pragma once

namespace res {

struct PixelRect {
    int x, y, w, h;
};

class DialogUnits {
public:
    explicit DialogUnits(double desktopScale = 1.0);

    double scale() const { return scale_; }
    // A position or length along one axis; fractions of a pixel are dropped.
    int x(int units) const;
    int y(int units) const;
    // A rectangle: both edges are converted, so that controls that touch in
    // dialog units still touch in pixels.
    PixelRect rect(int x, int y, int cx, int cy) const;
    // Pixel size of the dialog font.
    int fontPixels() const;

private:
    double scale_;
};

// The desktop scale from a dots-per-inch setting; settings that are missing
// (0 or less) or absurd fall back to 1.
double scaleFromDpi(double dpi);

// The scale to draw a dialog of widthAtOne x heightAtOne pixels (its size at
// scale 1) with on a screen of screenWidth x screenHeight: the desktop's
// scale, lowered where the dialog would not fit on the screen with room left
// for a window frame and a panel, but never below 1. A screen of unknown
// size (0) changes nothing.
double scaleToFit(double desktopScale, int widthAtOne, int heightAtOne, int screenWidth, int screenHeight);

}  // namespace res
