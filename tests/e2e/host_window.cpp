// Stands in for another program that hands the saver a window to draw its
// preview in: opens a captioned top-level window of the given client size,
// prints its X window id (decimal) on one line and keeps it until SIGTERM or
// SIGINT, which destroy it.
#include <cstdio>
#include <cstdlib>

#include "platform/window.h"

namespace {

LRESULT hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    int width = argc > 1 ? std::atoi(argv[1]) : 400;
    int height = argc > 2 ? std::atoi(argv[2]) : 300;
    platform::installTerminationHandler();

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "E2eHostWindow";
    RegisterClassExA(&wc);
    HWND host = CreateWindowExA(0, "E2eHostWindow", "e2e host", WS_CAPTION, 100, 100, width, height,
                                nullptr, nullptr, wc.hInstance, nullptr);
    if (!host) {
        std::fprintf(stderr, "host_window: cannot create the window\n");
        return 1;
    }
    ShowWindow(host, SW_SHOW);

    // The size asked for is the outer size; report the id once the client
    // area is known, so the test can compare the preview with it.
    RECT client = {0, 0, 0, 0};
    GetClientRect(host, &client);
    std::printf("%lu\n", static_cast<unsigned long>(idFromHwnd(host)));
    std::fprintf(stderr, "host_window: client %dx%d\n", client.right, client.bottom);
    std::fflush(stdout);

    while (!platform::terminationRequested() && IsWindow(host)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        platform::waitForMessages(100);
    }
    if (IsWindow(host)) DestroyWindow(host);
    return 0;
}
