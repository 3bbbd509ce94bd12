// The frame rate as a corner display shows it: frames counted over spans
// of about half a second, so the figure is steady enough to read and still
// follows a change within a second.
#pragma once

#include <cstdint>
#include <string>

class FpsMeter {
public:
    // A frame was presented at nowMs (a millisecond clock that may wrap).
    void frameAt(int32_t nowMs);
    // Whether a span has been completed yet, and the rate it gave.
    bool hasValue() const { return hasValue_; }
    double fps() const { return fps_; }
    // What the display shows: "FPS: 59.9", or "FPS: -" before the first span.
    std::string text() const;

private:
    bool started_ = false;
    int32_t spanStart_ = 0;
    int32_t framesInSpan_ = 0;
    bool hasValue_ = false;
    double fps_ = 0;
};

// The text a rate is shown with: one decimal, "FPS: 59.9".
std::string fpsText(double fps);
