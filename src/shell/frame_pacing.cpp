#include "shell/frame_pacing.h"

int32_t LastFrameClock = 0;

namespace {
// Frames are drawn when more than this many milliseconds have passed.
const int32_t kMinFrameGap = 10;

int32_t elapsed(int32_t now, int32_t last) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(last));
}
}  // namespace

bool frameDue(int32_t now, int32_t last) {
    const int32_t gone = elapsed(now, last);
    // A difference that reads as negative means more than 2^31 ms have
    // passed (the clock never runs backwards): long overdue, not 24 days early.
    return gone > kMinFrameGap || gone < 0;
}

int32_t millisUntilFrameDue(int32_t now, int32_t last) {
    if (frameDue(now, last)) return 0;
    return kMinFrameGap + 1 - elapsed(now, last);
}
