#include "platform/x11_display.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace x11 {
namespace {

Display* g_display = nullptr;
bool g_tried = false;
Atoms g_atoms{};
unsigned long g_errors = 0;

// Every X error on our connection is counted, never fatal. Unexpected ones
// (outside a trap) are reported once each on standard error for diagnosis.
int onXError(Display* d, XErrorEvent* e) {
    ++g_errors;
    if (std::getenv("FLURRYDALE_X11_DEBUG")) {
        char text[128];
        XGetErrorText(d, e->error_code, text, sizeof text);
        std::fprintf(stderr, "flurrydale: X error %s (request %d.%d, resource 0x%lx)\n", text,
                     e->request_code, e->minor_code, e->resourceid);
    }
    return 0;
}

}  // namespace

Display* display() {
    if (!g_tried) {
        g_tried = true;
        g_display = XOpenDisplay(nullptr);
        if (g_display) {
            XSetErrorHandler(onXError);
            Display* d = g_display;
            g_atoms.wmProtocols = XInternAtom(d, "WM_PROTOCOLS", False);
            g_atoms.wmDeleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
            g_atoms.motifHints = XInternAtom(d, "_MOTIF_WM_HINTS", False);
            g_atoms.netWmName = XInternAtom(d, "_NET_WM_NAME", False);
            g_atoms.utf8String = XInternAtom(d, "UTF8_STRING", False);
            g_atoms.netWmState = XInternAtom(d, "_NET_WM_STATE", False);
            g_atoms.netWmStateSkipTaskbar = XInternAtom(d, "_NET_WM_STATE_SKIP_TASKBAR", False);
            g_atoms.netFrameExtents = XInternAtom(d, "_NET_FRAME_EXTENTS", False);
        }
    }
    return g_display;
}

const Atoms& atoms() { return g_atoms; }

ErrorTrap::ErrorTrap() {
    if (Display* d = display()) XSync(d, False);
    before_ = g_errors;
}

ErrorTrap::~ErrorTrap() {
    if (Display* d = display()) XSync(d, False);
}

bool ErrorTrap::failed() {
    if (Display* d = display()) XSync(d, False);
    return g_errors != before_;
}

}  // namespace x11
}  // namespace platform
