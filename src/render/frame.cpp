#include "render/frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/gl_surface.h"
#include "render/frame_stats.h"
#include "render/surface.h"
#include "scene/current_scene.h"
#include "scene/scene.h"
#include "scene/scene_change.h"
#include "settings/options.h"

namespace {

const double kFieldOfView = 100.0;
const double kNearPlane = 0.0;  // every point in front of the eye gets depth 1
const double kFarPlane = 100.0;
const double kKeptAspect = 1.6;

FrameOverlay g_overlay = nullptr;

}  // namespace

ViewportLayout computeViewport(int windowWidth, int windowHeight, bool keepAspect) {
    if (windowWidth < 0) windowWidth = 0;
    if (windowHeight < 0) windowHeight = 0;
    ViewportLayout v;
    v.width = windowWidth;
    v.height = keepAspect ? static_cast<int>(windowWidth / kKeptAspect) : windowHeight;
    v.x = 0;
    v.y = (windowHeight - v.height) / 2;
    // A zero-sized window (minimised, or a parent collapsed to nothing) would
    // give an infinite or zero aspect, which the projection cannot take.
    if (v.width > 0 && v.height > 0)
        v.aspect = static_cast<double>(v.width) / v.height;
    else
        v.aspect = 1.0;
    return v;
}

void resizeViewport(int width, int height) {
    ViewportLayout v = computeViewport(width, height, g_options.KeepAspect_1_6 != 0);
    glViewport(v.x, v.y, v.width, v.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, v.aspect, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (!g_options.DoNotUseAccumBuffer && accumBufferUsable) {
        glClearAccum(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_ACCUM_BUFFER_BIT);
    }
}

void setFrameOverlay(FrameOverlay overlay) { g_overlay = overlay; }

void beginFrame() {
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gluLookAt(0.0, 0.0, 100.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glDisable(GL_BLEND);
}

void renderFrame() {
    if (!currentScene) return;
    frameStatsBegin();
    beginFrame();
    currentScene->update();
    currentScene->draw();
    // May replace currentScene; the frame then ends on the old one's black quad.
    runSceneChangeStep();
    glPopMatrix();
    if (g_overlay) g_overlay();
    glFlush();
    SwapBuffers(renderDC);
    frameStatsEnd();
}
