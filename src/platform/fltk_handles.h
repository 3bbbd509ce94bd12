// Window handles of FLTK windows: the X id of a shown top-level window, so
// that windows of this layer can be owned by a dialog of the toolkit; and
// raising a window of ours that such a dialog owns.
#pragma once

#include "platform/win_types.h"

class Fl_Window;

namespace platform {

// Null while the window is not shown (it has no X window then).
HWND hwndOfFltkWindow(Fl_Window* window);

// Puts one of our top-level windows on top of its siblings. Where no window
// manager keeps owned windows above their owner, a dialog calls this after
// the toolkit may have raised the dialog itself (a click on it).
void raiseAboveOwner(HWND window);

}  // namespace platform
