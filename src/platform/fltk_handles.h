// Window handles of FLTK windows: the X id of a shown top-level window, so
// that windows of this layer can be owned by a dialog of the toolkit; and
// the input focus handed to one of our windows.
#pragma once

#include "platform/win_types.h"

class Fl_Window;

namespace platform {

// Null while the window is not shown (it has no X window then).
HWND hwndOfFltkWindow(Fl_Window* window);

}  // namespace platform
