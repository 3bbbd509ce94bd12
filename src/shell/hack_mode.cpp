#include "shell/hack_mode.h"

#include <cstdio>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "render/fps_overlay.h"
#include "render/frame.h"
#include "settings/run_overrides.h"
#include "shell/frame_pacing.h"

namespace {

const char kOwnWindowClass[] = "FlurrydaleHackWindowClass";
const char kOwnWindowTitle[] = "Flurrydale";
// How long the loop waits while nothing is drawn (the window hidden).
const int kIdleWaitMs = 50;
// How often the size of a window of another program is asked for: each
// question is a round trip to the X server.
const int32_t kForeignSizeCheckMs = 100;

void report(const char* what, uintptr_t window) {
    std::fprintf(stderr, "flurrydale: %s 0x%lx\n", what, static_cast<unsigned long>(window));
}

int32_t millisSince(int32_t then) {
    return static_cast<int32_t>(static_cast<uint32_t>(platform::clockMillis()) - static_cast<uint32_t>(then));
}

HWND createOwnWindow(const HackOptions& options) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    // One window per process: registering the class here costs nothing, and
    // a class that exists already simply stays.
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = PreviewHostWindowProc;  // black under the picture
    wc.hInstance = module;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kOwnWindowClass;
    RegisterClassExA(&wc);
    int x = options.x, y = options.y;
    if (!options.hasPosition) {
        x = (GetSystemMetrics(SM_CXSCREEN) - options.width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - options.height) / 2;
        if (x < 0) x = 0;
        if (y < 0) y = 0;
    }
    HWND window = CreateWindowExA(0, kOwnWindowClass, kOwnWindowTitle, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, x,
                                  y, options.width, options.height, nullptr, nullptr, module, nullptr);
    if (window) ShowWindow(window, SW_SHOW);
    return window;
}

// Keeps the child as large as the window it fills.
void followSize(HWND parent, HWND child) {
    RECT outer = {0, 0, 0, 0}, inner = {0, 0, 0, 0};
    if (!GetClientRect(parent, &outer) || !GetClientRect(child, &inner)) return;
    if (outer.right == inner.right && outer.bottom == inner.bottom) return;
    SetWindowPos(child, nullptr, 0, 0, outer.right, outer.bottom, 0);
}

void passOn(CScreensaverApp& app, MSG& msg) {
    app.PreTranslateMessage(&msg);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void drainMessages(CScreensaverApp& app) {
    MSG msg;
    // The display's power is xscreensaver's business; like every other
    // message, a power notice just goes on to the window.
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) passOn(app, msg);
}

// Draws into parent until it goes away or the run is asked to end.
int drawInto(CScreensaverApp& app, HWND parent, bool parentOurs, const HackOptions& options) {
    while (IsWindow(parent) && !IsWindowVisible(parent)) {
        if (platform::terminationRequested()) return 0;
        drainMessages(app);
        platform::waitForMessages(kIdleWaitMs);
    }
    if (!IsWindow(parent)) return 0;  // gone before it was shown: nothing to end
    HWND child = app.CreatePreviewWindow(parent);
    if (!child) {
        report("cannot draw into window", idFromHwnd(parent));
        return 1;
    }
    const int32_t frameGap = hackFrameGapMillis(options.delayMicros);
    // The first pass asks at once.
    int32_t sizeCheckedAt = platform::clockMillis() - kForeignSizeCheckMs;
    while (IsWindow(parent) && IsWindow(child) && !platform::terminationRequested()) {
        if (parentOurs || millisSince(sizeCheckedAt) >= kForeignSizeCheckMs) {
            followSize(parent, child);
            sizeCheckedAt = platform::clockMillis();
        }
        const bool shown = IsWindowVisible(parent);
        const int32_t sinceFrame = millisSince(LastFrameClock);
        if (shown && (sinceFrame >= frameGap || sinceFrame < 0)) app.TickPreview();
        drainMessages(app);
        if (!IsWindow(child)) break;
        const int32_t untilFrame = frameGap - millisSince(LastFrameClock);
        platform::waitForMessages(shown ? (untilFrame > 0 ? untilFrame : 0) : kIdleWaitMs);
    }
    if (IsWindow(child)) SendMessageA(child, WM_CLOSE, 0, 0);
    app.EndPreview();
    return 0;
}

}  // namespace

int RunHack(CScreensaverApp& app, const HackOptions& options) {
    // A locked screen must never get a box; nobody could answer it.
    platform::setMessageBoxBackend(platform::MessageBoxBackend::Stderr);
    platform::installTerminationHandler();
    const HackTarget target =
        chooseHackTarget(options, std::getenv("XSCREENSAVER_WINDOW"), idFromHwnd(GetDesktopWindow()));
    if (!target.error.empty()) {
        std::fprintf(stderr, "flurrydale: %s\n", target.error.c_str());
        return 1;
    }
    HWND parent = nullptr;
    HWND own = nullptr;
    if (target.given) {
        parent = hwndFromId(target.window);
        if (!IsWindow(parent)) {
            report("no such window:", target.window);
            return 1;
        }
    } else {
        own = parent = createOwnWindow(options);
        if (!own) {
            std::fprintf(stderr, "flurrydale: cannot open a window\n");
            return 1;
        }
    }
    activateRunOverrides(options.overrides);
    if (options.showFps) setFrameOverlay(drawFpsOverlay);
    const int status = drawInto(app, parent, own != nullptr, options);
    setFrameOverlay(nullptr);
    clearRunOverrides();
    if (own && IsWindow(own)) DestroyWindow(own);
    return status;
}
