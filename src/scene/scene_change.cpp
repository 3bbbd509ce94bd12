#include "scene/scene_change.h"

#include <climits>
#include <string>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "scene/current_scene.h"
#include "scene/fade.h"
#include "scene/scene.h"
#include "settings/options.h"

int frameCounter = 0;

void runSceneChangeStep(Scene*& scene, Scenario* scenario, int changeSkyDuring, int& counter) {
    const int enabledScenes = scenario ? scenario->countEnabled() : 0;
    if (enabledScenes > 1 && changeSkyDuring != 0 && scene) {
        // A scene that could not be loaded draws nothing and never asks for
        // a change itself; it still gives way when its turn is over, so one
        // broken folder cannot stop the rotation and leave the screen black.
        const bool due = scene->loaded()
                             ? scene->fade(counter)
                             : fadeQuadsAt(counter, g_options.changeFrequency).changeDue;
        if (due) {
            const std::string next = scenario->choosePath();
            replaceScene(scene, next.c_str());
            counter = 0;
        }
    }
    // Saturates rather than overflowing in a run of many months with
    // changes switched off.
    if (counter < INT_MAX) ++counter;
}

void runSceneChangeStep() {
    runSceneChangeStep(currentScene, currentScenario, g_options.changeSkyDuring, frameCounter);
}
