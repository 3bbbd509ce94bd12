// The message loops of the full-screen and preview runs and the test-preview
// host. Both loops tick on every pass and hand every message they remove to
// PreTranslateMessage, TranslateMessage and DispatchMessageA. Between passes
// they wait for the next message or for the next frame to be due, so a run
// leaves the processor free in between; FLURRYDALE_BUSY_POLL=1 makes them
// poll without waiting instead. A termination request (SIGTERM, SIGINT)
// ends a run the way its own end would.
#include <cstdlib>
#include <cstring>

#include "platform/clock.h"
#include "platform/system_state.h"
#include "platform/window.h"
#include "shell/frame_pacing.h"
#include "shell/screensaver_app.h"

namespace {

const char* kHostClass = "ScreensaverPreviewHelperClass";
// How long a loop waits when nothing is drawn (preview paused, parent not
// yet visible): long enough to cost nothing, short enough that a parent
// that changes without telling us is noticed quickly.
const int kIdleWaitMs = 50;

bool g_hostClassRegistered = false;

bool busyPolling() {
    static const bool busy = [] {
        const char* v = std::getenv("FLURRYDALE_BUSY_POLL");
        return v && std::strcmp(v, "1") == 0;
    }();
    return busy;
}

void waitForNextFrame() {
    if (busyPolling()) return;
    const int32_t ms = millisUntilFrameDue(platform::clockMillis(), LastFrameClock);
    if (ms > 0) platform::waitForMessages(ms);
}

void waitIdle() {
    if (!busyPolling()) platform::waitForMessages(kIdleWaitMs);
}

bool isMonitorPower(const MSG& msg) { return msg.message == WM_SYSCOMMAND && msg.wParam == SC_MONITORPOWER; }

void passOn(CScreensaverApp& app, MSG& msg) {
    app.PreTranslateMessage(&msg);  // its answer is not consulted
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}
}  // namespace

void CScreensaverApp::RunFullScreen() {
    platform::installTerminationHandler();
    HWND window = CreateFullScreenWindow();
    if (!window) return;
    int previous = 0;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previous, 0);
    // Set once the system has asked for the monitor to be powered off: from
    // then on the loop only asks for the password and ticks.
    bool closing = false;
    for (;;) {
        if (platform::terminationRequested()) break;
        if (closing || !IsWindow(window)) {
            // Without any provider there is nothing to ask with, and asking
            // again would never end while no window is left.
            if (CheckPassword(window) != PasswordCheck::Refused) break;
        }
        TickFullScreen();
        if (closing) continue;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (isMonitorPower(msg) && msg.lParam == 2) closing = true;
            passOn(*this, msg);
            if (closing) break;
        }
        if (!closing && IsWindow(window)) waitForNextFrame();
    }
    if (IsWindow(window)) SendMessageA(window, WM_CLOSE, 0, 0);
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previous, 0);
    EndFullScreen();
}

void CScreensaverApp::RunPreview(HWND parent) {
    platform::installTerminationHandler();
    // Drawing is on; a monitor power request pauses it until the next paint.
    bool active = true;
    if (!IsWindow(parent)) return;
    while (IsWindow(parent) && !IsWindowVisible(parent)) {
        if (platform::terminationRequested()) return;
        MSG msg;
        while (PeekMessageA(&msg, parent, 0, 0, PM_REMOVE)) passOn(*this, msg);
        waitIdle();
    }
    HWND child = CreatePreviewWindow(parent);
    if (!child) return;
    while (IsWindow(parent) && IsWindowVisible(parent) && IsWindow(child) &&
           !platform::terminationRequested()) {
        if (active) TickPreview();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (isMonitorPower(msg)) {
                active = false;
            } else if (msg.message == WM_PAINT && !active) {
                ResumePreview();
                active = true;
            }
            passOn(*this, msg);
        }
        if (active)
            waitForNextFrame();
        else
            waitIdle();
    }
    if (IsWindow(child)) SendMessageA(child, WM_CLOSE, 0, 0);
    EndPreview();
}

HWND CScreensaverApp::CreateTestPreviewHost() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    if (!g_hostClassRegistered) {
        WNDCLASSEXA wc;
        std::memset(&wc, 0, sizeof wc);
        wc.cbSize = sizeof wc;
        wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
        wc.lpfnWndProc = PreviewHostWindowProc;
        wc.hInstance = module;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kHostClass;
        g_hostClassRegistered = RegisterClassExA(&wc) != 0;
    }
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    const int w = screenW / 4;
    const int h = screenH / 4;
    HWND host = CreateWindowExA(0, kHostClass, "Screensaver Preview Test", WS_CAPTION, (screenW - w) / 2,
                                (screenH - h) / 2, w, h, nullptr, nullptr, module, nullptr);
    if (!host) return nullptr;
    ShowWindow(host, SW_SHOW);
    return host;
}

LRESULT PreviewHostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, GetStockObject(BLACK_BRUSH));
    EndPaint(window, &paint);
    return 0;
}
