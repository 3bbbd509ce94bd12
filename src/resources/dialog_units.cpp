#include "resources/dialog_units.h"

#include <algorithm>
#include <cmath>

namespace res {

namespace {
// A tiny allowance so that exact products such as 304 * 1.625 are not
// pushed below their integer by rounding of the scale.
constexpr double kEpsilon = 1e-9;
int toPixels(int units, double perUnit) {
    return static_cast<int>(std::floor(units * perUnit + kEpsilon));
}
}  // namespace

DialogUnits::DialogUnits(double desktopScale) : scale_(desktopScale > 0 ? desktopScale : 1.0) {}

int DialogUnits::x(int units) const { return toPixels(units, 1.5 * scale_); }
int DialogUnits::y(int units) const { return toPixels(units, 1.625 * scale_); }

PixelRect DialogUnits::rect(int ux, int uy, int cx, int cy) const {
    int left = x(ux), top = y(uy);
    return PixelRect{left, top, x(ux + cx) - left, y(uy + cy) - top};
}

int DialogUnits::fontPixels() const {
    // 8 points at 96 dpi are 10.67 pixels.
    return static_cast<int>(std::lround(8.0 * 96.0 / 72.0 * scale_));
}

double scaleFromDpi(double dpi) {
    if (!(dpi > 0) || dpi < 48 || dpi > 960) return 1.0;
    return dpi / 96.0;
}

double scaleToFit(double desktopScale, int widthAtOne, int heightAtOne, int screenWidth, int screenHeight) {
    if (widthAtOne <= 0 || heightAtOne <= 0 || screenWidth <= 0 || screenHeight <= 0) return desktopScale;
    // A frame's title bar and borders, and a panel at one edge.
    const double room = std::min((screenWidth - 32) / static_cast<double>(widthAtOne),
                                 (screenHeight - 96) / static_cast<double>(heightAtOne));
    return std::max(1.0, std::min(desktopScale, room));
}

}  // namespace res
