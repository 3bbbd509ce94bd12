// The timed change from one scene to another, run once per frame by the frame
// routine right after the scene is drawn and before the frame is presented.
#pragma once

class Scene;
class Scenario;

// Frames since the process started or the last automatic scene change.
extern int frameCounter;

// With two or more enabled scenes and changes switched on, draws the fade
// quad for the current count and, when the change is due, replaces the scene
// with a new random choice and restarts the count; in every frame the count
// then goes up by one. Works on the values it is given.
void runSceneChangeStep(Scene*& scene, Scenario* scenario, int changeSkyDuring, int& counter);

// The same on currentScene, currentScenario, g_options.changeSkyDuring and
// frameCounter.
void runSceneChangeStep();
