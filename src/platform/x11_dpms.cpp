// The display's power state through DPMS. Kept apart: the DPMS header brings
// the X protocol's own BOOL, which differs from ours.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#include "platform/x11_display.h"

namespace platform {
namespace x11 {

bool monitorPowerAvailable(Display* d) {
    int event, error;
    return DPMSQueryExtension(d, &event, &error) && DPMSCapable(d);
}

int monitorPowerLevel(Display* d) {
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    if (!DPMSInfo(d, &level, &enabled)) return -1;
    switch (level) {
        case DPMSModeOn: return 0;
        case DPMSModeStandby: case DPMSModeSuspend: return 1;
        case DPMSModeOff: return 2;
        default: return -1;
    }
}

}  // namespace x11
}  // namespace platform
