// The one X connection of the window layer, its atoms, and the trapping of
// X errors: a request on a window that has vanished (a foreign parent, a
// window destroyed by another client) fails quietly instead of ending the
// process.
#pragma once

#include <X11/Xlib.h>

namespace platform {
namespace x11 {

// The connection, opened on first use; null when no display can be opened.
Display* display();

struct Atoms {
    Atom wmProtocols;
    Atom wmDeleteWindow;
    Atom motifHints;
    Atom netWmName;
    Atom utf8String;
    Atom netWmState;
    Atom netWmStateSkipTaskbar;
    Atom netFrameExtents;
};
const Atoms& atoms();

// The display's power: whether DPMS can tell it, and the level now (0 on,
// 1 standby or suspend, 2 off, -1 unknown).
bool monitorPowerAvailable(Display* d);
int monitorPowerLevel(Display* d);

// Counts X errors from construction to destruction (the requests in
// between are synchronised first, so their errors are the ones counted).
class ErrorTrap {
public:
    ErrorTrap();
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Synchronises and reports whether any request since construction failed.
    bool failed();

private:
    unsigned long before_;
};

}  // namespace x11
}  // namespace platform
