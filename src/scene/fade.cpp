#include "scene/fade.h"

FadeQuads fadeQuadsAt(int frameCount, int changeFrequency) {
    // In 64 bits, so that an absurd frequency from a hand-edited settings
    // file cannot overflow the interval.
    const long long interval = static_cast<long long>(changeFrequency) * kFramesPerChangeStep;
    const long long a = frameCount;
    FadeQuads q;
    if (a < kFadeFrames) {
        q.fadeIn = true;
        q.fadeInAlpha = static_cast<float>(1.0 - a / 100.0);
    }
    if (a > interval) {
        q.fadeOut = true;
        q.fadeOutAlpha = static_cast<float>((a - interval) / 100.0);
        q.changeDue = a >= interval + kFadeFrames;
    }
    return q;
}
