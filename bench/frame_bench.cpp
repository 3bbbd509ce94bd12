// What a frame costs in a real window on the software renderer, against the
// cheapest program that draws the same picture; and what the frame that
// changes the scene costs. Run by scripts/bench, which gives it a copy of a
// data directory (the rendering start rewrites the scene list in it):
//
//   bench_frame DATA_DIR [SCENE] [ROUNDS]
//
// Prints one "name value" line per figure (milliseconds of processor time of
// the whole process, renderer threads included, unless said otherwise).
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "platform/gl_surface.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/window.h"
#include "render/frame.h"
#include "render/sprite.h"
#include "render/surface.h"
#include "render/texture.h"
#include "scene/current_scene.h"
#include "scene/scene.h"
#include "scene/scene_change.h"
#include "settings/options.h"
#include "shell/data_dir.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 640;
constexpr int kFramesPerRound = 20;

double millis(clockid_t clock) {
    timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}
double cpuMillis() { return millis(CLOCK_PROCESS_CPUTIME_ID); }
double wallMillis() { return millis(CLOCK_MONOTONIC); }

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

LRESULT windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The frame routine's steps with the flakes drawn one quad each: what every
// frame cost before the flakes were batched. present false leaves the frame
// in the back buffer.
void oneByOneFrame(bool present) {
    beginFrame();
    if (present) currentScene->update();
    currentScene->drawSnowflakesOneByOne();
    if (present) runSceneChangeStep();
    glPopMatrix();
    glFlush();
    if (present) SwapBuffers(renderDC);
}

// The cheapest program that draws the scene's picture: one clear, one
// background quad (and the sun's when there is one), one draw call for all
// the flakes from arrays it fills itself, and the present.
class CheapestFrame {
public:
    explicit CheapestFrame(const Scene& scene) : scene_(scene), vertices_(Scene::kFlakeCount * 4) {}

    void draw(bool present) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        gluLookAt(0.0, 0.0, 100.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
        glDisable(GL_BLEND);
        quad(*scene_.backgroundSprite());
        glEnable(GL_BLEND);
        if (scene_.sunSprite()) quad(*scene_.sunSprite());
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        Vertex* v = vertices_.data();
        for (int i = 0; i < Scene::kFlakeCount; ++i, v += 4) {
            const Sprite& s = *scene_.snowflakeSprite(i);
            const float hw = s.width * 0.5f, hh = s.height * 0.5f;
            v[0] = {1, 0, s.red, s.green, s.blue, s.alpha, s.x + hw, s.y - hh, s.z};
            v[1] = {1, 1, s.red, s.green, s.blue, s.alpha, s.x + hw, s.y + hh, s.z};
            v[2] = {0, 1, s.red, s.green, s.blue, s.alpha, s.x - hw, s.y + hh, s.z};
            v[3] = {0, 0, s.red, s.green, s.blue, s.alpha, s.x - hw, s.y - hh, s.z};
        }
        glBindTexture(GL_TEXTURE_2D, scene_.snowflakeTexture(0)->id);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices_[0].s);
        glColorPointer(4, GL_FLOAT, sizeof(Vertex), &vertices_[0].r);
        glVertexPointer(3, GL_FLOAT, sizeof(Vertex), &vertices_[0].x);
        glDrawArrays(GL_QUADS, 0, Scene::kFlakeCount * 4);
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glLoadIdentity();
        glFlush();
        if (present) SwapBuffers(renderDC);
    }

private:
    struct Vertex {
        float s, t, r, g, b, a, x, y, z;
    };
    static void quad(const Sprite& s) {
        const float hw = s.width * 0.5f, hh = s.height * 0.5f;
        glColor4f(s.red, s.green, s.blue, s.alpha);
        glBindTexture(GL_TEXTURE_2D, s.texture ? s.texture->id : 0);
        glBegin(GL_QUADS);
        glTexCoord2f(1, 0);
        glVertex3f(s.x + hw, s.y - hh, s.z);
        glTexCoord2f(1, 1);
        glVertex3f(s.x + hw, s.y + hh, s.z);
        glTexCoord2f(0, 1);
        glVertex3f(s.x - hw, s.y + hh, s.z);
        glTexCoord2f(0, 0);
        glVertex3f(s.x - hw, s.y - hh, s.z);
        glEnd();
    }
    const Scene& scene_;
    std::vector<Vertex> vertices_;
};

std::vector<unsigned char> readBack() {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(kWidth) * kHeight * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int differingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.size(); i += 4)
        if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ++n;
    return n;
}

// The frame routine's picture of the current scene as it stands, without
// stepping, changing or presenting.
void sceneFrameUnpresented() {
    beginFrame();
    currentScene->draw();
    glPopMatrix();
}

struct Cost {
    double cpu = 0, wall = 0;
};

template <typename F>
Cost perFrame(F frame) {
    const double c0 = cpuMillis(), w0 = wallMillis();
    for (int i = 0; i < kFramesPerRound; ++i) frame();
    glFinish();
    return {(cpuMillis() - c0) / kFramesPerRound, (wallMillis() - w0) / kFramesPerRound};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_frame DATA_DIR [SCENE] [ROUNDS]\n");
        return 2;
    }
    platform::setMessageBoxBackend(platform::MessageBoxBackend::Stderr);
    DataDir = argv[1];
    if (DataDir.empty() || DataDir.back() != '/') DataDir += '/';
    const std::string sceneName = argc > 2 ? argv[2] : "AlpinePeaks";
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;

    // Where the start-up goes: the window, the context, the rendering
    // start (scene list and first scene) and the first frame.
    const double startWall = wallMillis();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FlurrydaleFrameBench";
    RegisterClassExA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "frame bench", WS_CAPTION | WS_VISIBLE, 0, 0,
                                  kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) {
        std::fprintf(stderr, "bench_frame: cannot open a window\n");
        return 1;
    }
    pump();
    setupPixelFormat(window);
    HGLRC context = wglCreateContext(renderDC);
    if (!context || !wglMakeCurrent(renderDC, context)) {
        std::fprintf(stderr, "bench_frame: no GL context\n");
        return 1;
    }
    const double contextWall = wallMillis();
    g_options = Options{};
    initRendering();
    const double initWall = wallMillis();
    // The same scene every run, with the same snow.
    platform::seedRandom(1);
    replaceScene(currentScene, sceneName.c_str());
    if (!currentScene->loaded()) {
        std::fprintf(stderr, "bench_frame: scene %s did not load\n", sceneName.c_str());
        return 1;
    }
    resizeViewport(kWidth, kHeight);
    const double firstFrameStart = wallMillis();
    renderFrame();
    glFinish();
    const double firstFrameEnd = wallMillis();
    std::printf("renderer %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("start_window_and_context_ms %.1f\n", contextWall - startWall);
    std::printf("start_rendering_start_ms %.1f\n", initWall - contextWall);
    std::printf("start_first_frame_ms %.1f\n", firstFrameEnd - firstFrameStart);
    std::printf("scene %s\n", sceneName.c_str());

    // Between the fades: the steady frame of a scene.
    frameCounter = 200;
    CheapestFrame cheapest(*currentScene);
    for (int i = 0; i < 30; ++i) {
        renderFrame();
        cheapest.draw(true);
        pump();
    }
    std::vector<double> fullCpu, fullWall, cheapCpu, cheapWall, oneCpu;
    for (int r = 0; r < rounds; ++r) {
        frameCounter = 200;
        const Cost full = perFrame(renderFrame);
        const Cost cheap = perFrame([&] { cheapest.draw(true); });
        const Cost one = perFrame([] { oneByOneFrame(true); });
        pump();
        fullCpu.push_back(full.cpu);
        fullWall.push_back(full.wall);
        cheapCpu.push_back(cheap.cpu);
        cheapWall.push_back(cheap.wall);
        oneCpu.push_back(one.cpu);
    }
    const double full = median(fullCpu), cheap = median(cheapCpu), one = median(oneCpu);
    std::printf("frame_cpu_ms %.2f\n", full);
    std::printf("frame_wall_ms %.2f\n", median(fullWall));
    std::printf("cheapest_cpu_ms %.2f\n", cheap);
    std::printf("cheapest_wall_ms %.2f\n", median(cheapWall));
    std::printf("one_by_one_cpu_ms %.2f\n", one);
    std::printf("ratio_to_cheapest %.3f\n", cheap > 0 ? full / cheap : 0.0);

    // The cheapest program must draw the very picture the saver draws.
    sceneFrameUnpresented();
    const std::vector<unsigned char> saver = readBack();
    cheapest.draw(false);
    const std::vector<unsigned char> bound = readBack();
    std::printf("cheapest_differing_pixels %d\n", differingPixels(saver, bound));

    // The frame that ends a scene's time loads the next one; with every
    // scene enabled each change is to another scene.
    g_options.changeSkyDuring = 1;
    g_options.changeFrequency = 1;
    const int enabled = currentScenario->countEnabled();
    std::printf("enabled_scenes %d\n", enabled);
    if (enabled > 1) {
        std::vector<double> changeWall, changeCpu;
        for (int i = 0; i < 2 * enabled; ++i) {
            frameCounter = g_options.changeFrequency * 2000 + 100;
            const double c0 = cpuMillis(), w0 = wallMillis();
            renderFrame();
            glFinish();
            changeWall.push_back(wallMillis() - w0);
            changeCpu.push_back(cpuMillis() - c0);
            if (frameCounter != 1) std::fprintf(stderr, "bench_frame: the scene did not change\n");
            pump();
        }
        std::printf("scene_change_wall_ms %.1f\n", median(changeWall));
        std::printf("scene_change_wall_max_ms %.1f\n",
                    *std::max_element(changeWall.begin(), changeWall.end()));
        std::printf("scene_change_cpu_ms %.1f\n", median(changeCpu));
    }

    deleteScene(currentScene);
    wglMakeCurrent(nullptr, nullptr);
    DestroyWindow(window);
    return 0;
}
