// OpenGL surfaces on windows: pixel formats over GLX framebuffer
// configurations, rendering contexts and presenting. Format number 1 is the
// layer's own default (double-buffered RGBA with depth); formats whose
// renderer is not hardware-accelerated carry PFD_GENERIC_FORMAT.
#pragma once

#include <vector>

#include "platform/win_types.h"

struct PIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
};
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "the descriptor is 40 bytes");

enum : DWORD {
    PFD_DOUBLEBUFFER = 0x1, PFD_DRAW_TO_WINDOW = 0x4, PFD_SUPPORT_OPENGL = 0x20,
    PFD_GENERIC_FORMAT = 0x40,
};
enum : BYTE { PFD_TYPE_RGBA = 0, PFD_MAIN_PLANE = 0 };

HDC GetDC(HWND window);
HWND WindowFromDC(HDC dc);
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* request);
int DescribePixelFormat(HDC dc, int format, UINT size, PIXELFORMATDESCRIPTOR* out);
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* request);
HGLRC wglCreateContext(HDC dc);  // a compatibility-profile context
BOOL wglMakeCurrent(HDC dc, HGLRC context);
BOOL SwapBuffers(HDC dc);
int GetPixelFormat(HDC dc);  // 0 while none is set

namespace platform {

// The index (from 1) of the format in formats that best fits the request, 0
// when none has the flags and pixel type it asks for. A format that falls
// short of requested accumulation bits loses to one that does not, then a
// generic format to an accelerated one, then shortfalls of colour and depth
// count, then the closest accumulation, colour and depth, then the order.
int bestPixelFormat(const std::vector<PIXELFORMATDESCRIPTOR>& formats,
                    const PIXELFORMATDESCRIPTOR& request);

// A window-drawable, OpenGL, double-buffered RGBA format description.
PIXELFORMATDESCRIPTOR makePixelFormat(BYTE colorBits, BYTE depthBits, BYTE accumBits, bool generic);

// In-memory backend: the formats the device offers, numbered from 1 in this
// order (by default one accelerated format with 32 colour, 24 depth and 64
// accumulation bits), and what was asked of it.
void setFakePixelFormats(const std::vector<PIXELFORMATDESCRIPTOR>& formats);
struct FakeGlLog {
    std::vector<PIXELFORMATDESCRIPTOR> chooseRequests;  // every ChoosePixelFormat
    std::vector<int> setFormats;                        // every SetPixelFormat
    int contextsCreated = 0;
    HGLRC current = nullptr;
    HDC currentDC = nullptr;
    int swaps = 0;
};
const FakeGlLog& fakeGlLog();
void clearFakeGlLog();

}  // namespace platform
