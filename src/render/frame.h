// Projection and the composition of one frame.
#pragma once

// Where the picture goes in a window, and the projection's aspect ratio.
struct ViewportLayout {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    double aspect = 1.0;
};

// The layout for a window's client size. With keepAspect the viewport is
// 1.6 : 1, as wide as the window and centred vertically: black bands above
// and below in a narrower window, the top and bottom cut off in a wider one.
// A degenerate size (no width or no viewport height) gets aspect 1.
ViewportLayout computeViewport(int windowWidth, int windowHeight, bool keepAspect);

// Sets viewport, projection and model-view for a window's client size, and
// clears the accumulation buffer when one is usable and wanted.
void resizeViewport(int width, int height);

// The start of every frame: the model-view matrix pushed and reset, the
// window cleared to black, the fixed camera placed, blending off. The frame
// routine and the benchmarks that stand in for it share it.
void beginFrame();

// Draws, presents and, when a scene's time is up, changes the current scene.
// Does nothing without a current scene.
void renderFrame();

// Something drawn over every frame just before it is presented (such as the
// frame rate of a hack run); none unless set. Null removes it.
using FrameOverlay = void (*)();
void setFrameOverlay(FrameOverlay overlay);
