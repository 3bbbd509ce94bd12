// The tick of both run loops. Kept apart from the pacing arithmetic so that
// the loops and their tests do not need the renderer.
#include "platform/clock.h"
#include "render/frame.h"
#include "shell/frame_pacing.h"

void DrawFrameIfDue() {
    const int32_t now = platform::clockMillis();
    if (!frameDue(now, LastFrameClock)) return;
    renderFrame();
    LastFrameClock = now;
}
