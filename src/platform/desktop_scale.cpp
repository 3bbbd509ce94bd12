#include "platform/desktop_scale.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace platform {

double desktopDpi() {
    static double cached = -1;
    if (cached >= 0) return cached;
    cached = 0;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return cached;
    // XGetDefault reads the server's resource database (xrdb), where
    // desktops publish Xft.dpi.
    const char* v = XGetDefault(d, "Xft", "dpi");
    if (v) {
        char* end = nullptr;
        double dpi = std::strtod(v, &end);
        if (end != v && dpi > 0) cached = dpi;
    }
    XCloseDisplay(d);
    return cached;
}

}  // namespace platform
