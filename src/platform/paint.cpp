// Painting the few things that are not drawn with OpenGL: the black client
// area of the test-preview host.
#include "platform/gl_surface.h"
#include "platform/window_internal.h"

namespace {
// The stock black brush; the only brush there is.
char g_blackBrush;
}  // namespace

HBRUSH GetStockObject(int object) { return object == BLACK_BRUSH ? &g_blackBrush : nullptr; }

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!paint || !platform::detail::findWindow(window)) return nullptr;
    paint->hdc = GetDC(window);
    paint->fErase = FALSE;
    GetClientRect(window, &paint->rcPaint);
    return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT*) { return platform::detail::findWindow(window) ? TRUE : FALSE; }

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    HWND window = WindowFromDC(dc);
    if (!rect || brush != &g_blackBrush || !platform::detail::findWindow(window)) return 0;
    platform::detail::native().fillRect(window, *rect);
    return 1;
}
