#include "platform/fltk_handles.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace platform {

HWND hwndOfFltkWindow(Fl_Window* window) {
    if (!window || !window->shown()) return nullptr;
    // The toolkit has its own connection: make sure the server knows the
    // window before another connection names it (as an owner, say).
    XSync(fl_display, False);
    return hwndFromId(static_cast<uintptr_t>(fl_xid(window)));
}

void raiseAboveOwner(HWND window) {
    if (!window || !fl_display) return;
    XRaiseWindow(fl_display, static_cast<Window>(idFromHwnd(window)));
    XFlush(fl_display);
}

}  // namespace platform
