// The saver's frames drawn without a window, for pictures of a scene: the
// scene built as the saver builds it, the projection of a window of the
// picture's size and the frame routine's own drawing.
#pragma once

#include <string>

struct SnapshotRequest {
    std::string scene;   // folder name under DataDir
    int frames = 300;    // frames drawn before the picture is taken
    int width = 800;     // the size of the picture, as a window's client size
    int height = 500;
    unsigned int seed = 1;  // the generator's seed: the same seed, the same snow
};

// Needs a current context drawing into a buffer of the request's size. Seeds
// the generator, builds the scene into currentScene (replacing any), sets
// the fixed GL state and the projection for the size, and draws the frames
// with renderFrame. Without a scene list (currentScenario null, as in a
// process that loads none) the scene neither fades nor changes. False, with
// nothing drawn and currentScene null, when the scene did not load.
bool drawSnapshotFrames(const SnapshotRequest& request);
