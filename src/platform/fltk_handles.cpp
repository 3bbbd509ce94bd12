#include "platform/fltk_handles.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace platform {

HWND hwndOfFltkWindow(Fl_Window* window) {
    if (!window || !window->shown()) return nullptr;
    return hwndFromId(static_cast<uintptr_t>(fl_xid(window)));
}

}  // namespace platform
