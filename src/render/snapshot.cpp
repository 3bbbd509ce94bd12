#include "render/snapshot.h"

#include "catalogue/current_scenario.h"
#include "platform/random.h"
#include "render/frame.h"
#include "render/surface.h"
#include "scene/current_scene.h"
#include "scene/scene.h"

bool drawSnapshotFrames(const SnapshotRequest& request) {
    platform::seedRandom(request.seed);
    replaceScene(currentScene, request.scene.c_str());
    if (!currentScene->loaded()) {
        deleteScene(currentScene);
        return false;
    }
    setFixedGlState();
    resizeViewport(request.width, request.height);
    for (int i = 0; i < request.frames; ++i) renderFrame();
    return true;
}
