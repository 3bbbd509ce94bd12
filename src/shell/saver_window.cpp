#include "shell/saver_window.h"

#include <cstdint>
#include <cstdlib>

#include "platform/gl_surface.h"
#include "platform/window.h"
#include "render/frame.h"
#include "render/surface.h"
#include "scene/current_scene.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "shell/prompts.h"
#include "shell/test_screensaver.h"

bool IsFullScreen = false;
MousePosition FirstMousePos = {-1, -1};

namespace {

const char kClassName[] = "TestScreensaverClass";
const int kMouseSlack = 50;

HGLRC g_renderContext = nullptr;
bool g_classRegistered = false;
// A prompt box runs its own loop; input arriving meanwhile must not start
// the prompts a second time.
bool g_endingByInput = false;

bool registerClass() {
    if (g_classRegistered) return true;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = SaverWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    g_classRegistered = RegisterClassExA(&wc) != 0;
    return g_classRegistered;
}

void onCreate(HWND window) {
    if (IsFullScreen) ShowCursor(FALSE);
    LookUpDataDir();
    g_options.load("options.xml");
    // A hand-edited count at the top of the range stays there.
    if (IsFullScreen && g_options.RunCount < INT32_MAX) g_options.RunCount += 1;
    g_options.save("options.xml");
    renderDC = GetDC(window);
    setupPixelFormat(window);
    g_renderContext = wglCreateContext(renderDC);
    wglMakeCurrent(renderDC, g_renderContext);
    initRendering();
}

// The saver that owns the window; none in tests that run the window alone.
CTestScreensaver* saver() { return dynamic_cast<CTestScreensaver*>(CScreensaverApp::instance()); }

void onDestroy() {
    if (CScreensaverApp* app = CScreensaverApp::instance()) {
        if (IsFullScreen)
            app->EndFullScreen();
        else
            app->EndPreview();
    }
    if (IsFullScreen) ShowCursor(TRUE);
    deleteScene(currentScene);
    if (CTestScreensaver* s = saver()) s->setSaverWindow(nullptr);
}

void endRunByInput(HWND window) {
    if (g_endingByInput) return;
    g_endingByInput = true;
    ShowEndOfRunPrompts(window);
    SendMessageA(window, WM_CLOSE, 0, 0);
    g_endingByInput = false;
}

}  // namespace

bool mouseMoveEndsRun(MousePosition& first, int x, int y) {
    if (first.x == -1 || first.y == -1) {
        first = {x, y};
        return false;
    }
    return std::abs(first.x - x) > kMouseSlack || std::abs(first.y - y) > kMouseSlack;
}

HWND CreateSaverWindow(bool fullScreen, HWND parent) {
    HWND window = nullptr;
    if (registerClass()) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        if (fullScreen) {
            window = CreateWindowExA(0, kClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                     GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     nullptr, nullptr, instance, nullptr);
        } else {
            RECT client = {0, 0, 0, 0};
            if (GetClientRect(parent, &client))
                window = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0,
                                         client.right, client.bottom, parent, nullptr, instance,
                                         nullptr);
        }
    }
    if (CTestScreensaver* s = saver()) s->setSaverWindow(window);
    return window;
}

LRESULT SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            onCreate(window);
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_SIZE:
            resizeViewport(LOWORD(static_cast<uintptr_t>(lParam)),
                           HIWORD(static_cast<uintptr_t>(lParam)));
            return 0;
        case WM_ACTIVATE:
        case WM_ACTIVATEAPP:
        case WM_NCACTIVATE:
            if (wParam == 0) SendMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (IsFullScreen) endRunByInput(window);
            return 0;
        case WM_MOUSEMOVE:
            if (IsFullScreen && !g_options.IgnoreMouseMove &&
                mouseMoveEndsRun(FirstMousePos, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
                endRunByInput(window);
            return 0;
        case WM_SYSCOMMAND:
        case WM_NCDESTROY:
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
