// Frame pacing of the run loops: a frame is drawn on the first tick after
// more than 10 milliseconds have passed since the last one, so frames are at
// least 11 milliseconds apart. The clock is shared by the full-screen and the
// preview ticks.
#pragma once

#include <cstdint>

// The clock value (platform::clockMillis) at which the last frame was drawn;
// 0 at process start.
extern int32_t LastFrameClock;

// True when a frame is due at now after one drawn at last. The clock wraps,
// so only the difference counts.
bool frameDue(int32_t now, int32_t last);

// Milliseconds from now until a frame is due after one drawn at last; 0 when
// one is due already.
int32_t millisUntilFrameDue(int32_t now, int32_t last);

// Draws a frame (renderFrame) when one is due and records when.
void DrawFrameIfDue();
