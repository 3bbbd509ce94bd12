// The primary monitor through XRandR.
#include <X11/extensions/Xrandr.h>

#include "platform/x11_internal.h"

namespace platform {
namespace x11 {
namespace {

bool crtcRect(Display* d, XRRScreenResources* res, RROutput output, int* x, int* y, int* w, int* h) {
    XRROutputInfo* info = XRRGetOutputInfo(d, res, output);
    if (!info) return false;
    bool found = false;
    if (info->connection == RR_Connected && info->crtc) {
        if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(d, res, info->crtc)) {
            if (crtc->width > 0 && crtc->height > 0) {
                *x = crtc->x;
                *y = crtc->y;
                *w = static_cast<int>(crtc->width);
                *h = static_cast<int>(crtc->height);
                found = true;
            }
            XRRFreeCrtcInfo(crtc);
        }
    }
    XRRFreeOutputInfo(info);
    return found;
}

}  // namespace

void primaryMonitor(Display* d, int* x, int* y, int* width, int* height) {
    int screen = DefaultScreen(d);
    *x = *y = 0;
    *width = DisplayWidth(d, screen);
    *height = DisplayHeight(d, screen);
    int event, error, major = 0, minor = 0;
    if (!XRRQueryExtension(d, &event, &error) || !XRRQueryVersion(d, &major, &minor)) return;
    if (major < 1 || (major == 1 && minor < 3)) return;
    Window root = RootWindow(d, screen);
    XRRScreenResources* res = XRRGetScreenResourcesCurrent(d, root);
    if (!res) return;
    // The primary output; without one, the first lit output, preferring the
    // one at the screen's origin.
    RROutput primary = XRRGetOutputPrimary(d, root);
    bool found = primary && crtcRect(d, res, primary, x, y, width, height);
    for (int pass = 0; pass < 2 && !found; ++pass) {
        for (int i = 0; i < res->noutput && !found; ++i) {
            int cx, cy, cw, ch;
            if (!crtcRect(d, res, res->outputs[i], &cx, &cy, &cw, &ch)) continue;
            if (pass == 0 && (cx != 0 || cy != 0)) continue;
            *x = cx;
            *y = cy;
            *width = cw;
            *height = ch;
            found = true;
        }
    }
    XRRFreeScreenResources(res);
}

}  // namespace x11
}  // namespace platform
