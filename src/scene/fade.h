// The timeline of the fades around a scene change, counted in frames: a
// fade-in from black over the first 100 frames, a fade-out over the 100
// frames after the change interval, and the change itself.
#pragma once

struct FadeQuads {
    bool fadeIn = false;  // draw the black quad with fadeInAlpha
    float fadeInAlpha = 0;
    bool fadeOut = false;  // draw the black quad with fadeOutAlpha
    float fadeOutAlpha = 0;
    bool changeDue = false;  // the scene is to be replaced in this frame
};

constexpr int kFadeFrames = 100;
constexpr int kFramesPerChangeStep = 2000;

// What the frame with this count shows. The change interval is
// changeFrequency * 2000 frames; a value below 100 makes the fade-in and the
// fade-out overlap, and both quads are drawn.
FadeQuads fadeQuadsAt(int frameCount, int changeFrequency);
