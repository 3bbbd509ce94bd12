// Choosing the pixel format that best fits a request, shared by the GLX and
// the in-memory backends.
#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/gl_surface.h"

namespace platform {
namespace {

const DWORD kRequiredFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;

int shortfall(int have, int want) { return have < want ? want - have : 0; }

// Lower is better, compared in order.
std::array<int, 8> penalty(const PIXELFORMATDESCRIPTOR& f, const PIXELFORMATDESCRIPTOR& r) {
    return {
        r.cAccumBits > 0 && f.cAccumBits < r.cAccumBits ? 1 : 0,
        (f.dwFlags & PFD_GENERIC_FORMAT) ? 1 : 0,
        shortfall(f.cColorBits, r.cColorBits),
        shortfall(f.cDepthBits, r.cDepthBits),
        std::abs(f.cAccumBits - r.cAccumBits),
        std::abs(f.cColorBits - r.cColorBits),
        std::abs(f.cDepthBits - r.cDepthBits),
        shortfall(f.cStencilBits, r.cStencilBits),
    };
}

}  // namespace

int bestPixelFormat(const std::vector<PIXELFORMATDESCRIPTOR>& formats, const PIXELFORMATDESCRIPTOR& request) {
    int best = 0;
    std::array<int, 8> bestPenalty{};
    DWORD required = request.dwFlags & kRequiredFlags;
    for (size_t i = 0; i < formats.size(); ++i) {
        const PIXELFORMATDESCRIPTOR& f = formats[i];
        if ((f.dwFlags & required) != required || f.iPixelType != request.iPixelType) continue;
        std::array<int, 8> p = penalty(f, request);
        if (best == 0 || p < bestPenalty) {
            best = static_cast<int>(i) + 1;
            bestPenalty = p;
        }
    }
    return best;
}

PIXELFORMATDESCRIPTOR makePixelFormat(BYTE colorBits, BYTE depthBits, BYTE accumBits, bool generic) {
    PIXELFORMATDESCRIPTOR f;
    std::memset(&f, 0, sizeof f);
    f.nSize = sizeof f;
    f.nVersion = 1;
    f.dwFlags = kRequiredFlags | (generic ? DWORD{PFD_GENERIC_FORMAT} : DWORD{0});
    f.iPixelType = PFD_TYPE_RGBA;
    f.cColorBits = colorBits;
    f.cRedBits = f.cGreenBits = f.cBlueBits = 8;
    f.cRedShift = 16;
    f.cGreenShift = 8;
    f.cAlphaBits = colorBits >= 32 ? 8 : 0;
    f.cAlphaShift = colorBits >= 32 ? 24 : 0;
    f.cAccumBits = accumBits;
    BYTE channel = static_cast<BYTE>(accumBits / 4);
    f.cAccumRedBits = f.cAccumGreenBits = f.cAccumBlueBits = f.cAccumAlphaBits = channel;
    f.cDepthBits = depthBits;
    f.iLayerType = PFD_MAIN_PLANE;
    return f;
}

}  // namespace platform
