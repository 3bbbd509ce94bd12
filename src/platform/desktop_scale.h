// The desktop's scale for dialogs: the "Xft.dpi" resource of the X server
// (what desktops set for high-density displays) divided by 96. 1 when there
// is no display or no such setting.
#pragma once

namespace platform {

// Dots per inch the desktop asks for, or 0 when it says nothing.
double desktopDpi();

}  // namespace platform
