#include "render/fps_meter.h"

#include <cstdio>

namespace {
const int32_t kSpanMs = 500;
}  // namespace

void FpsMeter::frameAt(int32_t nowMs) {
    if (!started_) {
        // The first frame opens the first span; rates count the frames after it.
        started_ = true;
        spanStart_ = nowMs;
        framesInSpan_ = 0;
        return;
    }
    ++framesInSpan_;
    const int32_t gone = static_cast<int32_t>(static_cast<uint32_t>(nowMs) - static_cast<uint32_t>(spanStart_));
    if (gone < kSpanMs) return;
    fps_ = framesInSpan_ * 1000.0 / gone;
    hasValue_ = true;
    spanStart_ = nowMs;
    framesInSpan_ = 0;
}

std::string FpsMeter::text() const { return hasValue_ ? fpsText(fps_) : std::string("FPS: -"); }

std::string fpsText(double fps) {
    if (fps < 0) fps = 0;
    if (fps > 99999) fps = 99999;
    char text[32];
    std::snprintf(text, sizeof text, "FPS: %.1f", fps);
    return text;
}
