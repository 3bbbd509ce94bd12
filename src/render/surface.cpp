#include <GL/glew.h>  // before any other GL header

#include "render/surface.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "platform/clock.h"
#include "platform/gl_surface.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "render/shaders.h"
#include "scene/current_scene.h"
#include "shell/data_dir.h"

HDC renderDC = nullptr;
bool accumBufferUsable = true;

namespace {

void fillRequest(PIXELFORMATDESCRIPTOR* pfd, BYTE accumBits) {
    std::memset(pfd, 0, sizeof *pfd);
    pfd->nSize = sizeof *pfd;
    pfd->nVersion = 1;
    pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd->iPixelType = PFD_TYPE_RGBA;
    pfd->cColorBits = 32;
    pfd->cAccumBits = accumBits;
    pfd->cDepthBits = 32;
    pfd->iLayerType = PFD_MAIN_PLANE;
}

// Chooses a format for the request and overwrites the request with the
// chosen format's description.
int chooseAndDescribe(PIXELFORMATDESCRIPTOR* pfd) {
    int format = ChoosePixelFormat(renderDC, pfd);
    DescribePixelFormat(renderDC, format, sizeof *pfd, pfd);
    return format;
}

bool generic(const PIXELFORMATDESCRIPTOR& pfd) { return (pfd.dwFlags & PFD_GENERIC_FORMAT) != 0; }

}  // namespace

void setupPixelFormat(HWND window) {
    renderDC = GetDC(window);

    static const BYTE kAccumAttempts[] = {64, 32, 0};
    PIXELFORMATDESCRIPTOR pfd;
    int format = 0;
    for (BYTE accumBits : kAccumAttempts) {
        fillRequest(&pfd, accumBits);
        format = chooseAndDescribe(&pfd);
        if (!generic(pfd)) break;
    }
    // Only the generic implementation: the device's own first format.
    if (generic(pfd)) format = 1;

    // With no format at all the description is only the request echoed
    // back, which says nothing about an accumulation buffer.
    accumBufferUsable = format != 0 && pfd.cAccumBits != 0 && !generic(pfd);

    if (format == 0)
        MessageBoxA(WindowFromDC(renderDC), "ChoosePixelFormat error", "Error", MB_OK | MB_ICONERROR);
    if (SetPixelFormat(renderDC, format, &pfd) != 1)
        MessageBoxA(WindowFromDC(renderDC), "SetPixelFormat error", "Error", MB_OK | MB_ICONERROR);
}

namespace {

const char kScenarioFile[] = "defaultScenario.xml";

void replaceScenario(Scenario* next) {
    delete currentScenario;
    currentScenario = next;
}

// Rewrites the list file from the scene folders, keeping the flags the old
// list gives, and reads the rewritten list back.
void rebuildScenario() {
    replaceScenario(new Scenario);
    currentScenario->load(kScenarioFile);
    currentScenario->rescan(DataDir.c_str());
    replaceScenario(new Scenario);
    currentScenario->load(kScenarioFile);
}

}  // namespace

void setFixedGlState() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glShadeModel(GL_FLAT);
    glEnable(GL_COLOR_MATERIAL);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void initRendering() {
    platform::seedRandom(static_cast<unsigned int>(platform::calendarTime()));
    rebuildScenario();
    const std::string first = currentScenario->choosePath();
    replaceScene(currentScene, first.c_str());
    setFixedGlState();

    glewInit();
    if (glewIsSupported("GL_VERSION_2_0")) {
        std::fputs("Ready for OpenGL 2.0\n", stdout);
        std::fflush(stdout);
        loadRippleShaders();
    } else {
        std::fputs("OpenGL 2.0 not supported\n", stdout);
        std::fflush(stdout);
    }
}
