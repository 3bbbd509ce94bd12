// What the X11 window backend and the GLX surfaces tell each other.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "platform/win_types.h"

namespace platform {
namespace x11 {

// The visual of pixel format 1 (null without GLX); our windows are created
// with it so that the default format can be set on them afterwards.
const XVisualInfo* defaultGlVisual();
// The visual of a window when frames can be drawn with it (double-buffered
// RGBA with depth), else null; a child of a foreign window takes it, so its
// context is made for the visual its host chose.
const XVisualInfo* frameGlVisualOf(Window window);

// A window of ours changed size: a GL drawable laid inside it follows.
void glWindowResized(Window outer, int width, int height);
// The window of ours a GL drawable inside it belongs to (itself otherwise).
Window outerOfDrawable(Window window);

// The virtual key of a key symbol; 0xFF for keys without one.
WPARAM virtualKeyFor(KeySym sym);

// The primary monitor's rectangle (XRandR; the whole screen without it).
void primaryMonitor(Display* d, int* x, int* y, int* width, int* height);

}  // namespace x11
}  // namespace platform
