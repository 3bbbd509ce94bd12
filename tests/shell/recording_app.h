// A screen saver application for the tests of the dispatch and the run
// loops: it records which operations ran (and whether the system's
// screen-saver-running flag was set at the time), and lets each test decide
// what the window-creating and ticking operations do. Windows live in the
// in-memory backend.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/system_state.h"
#include "platform/window.h"
#include "shell/frame_pacing.h"
#include "shell/screensaver_app.h"

class RecordingApp : public CScreensaverApp {
public:
    std::vector<std::string> log;
    // What the operations do besides being logged; by default nothing
    // (window creation then fails).
    std::function<HWND()> createFullScreen;
    std::function<HWND(HWND)> createPreview;
    std::function<void(int tick)> onFullScreenTick;
    std::function<void(int tick)> onPreviewTick;
    std::function<void(const MSG&)> onMessage;  // from PreTranslateMessage
    std::function<void()> onConfigure;
    int fullScreenTicks = 0;
    int previewTicks = 0;
    bool logTicks = true;
    bool logMessages = false;
    bool flagSeenInEveryOperation = true;

    HWND CreateFullScreenWindow() override {
        note("CreateFullScreenWindow");
        return createFullScreen ? createFullScreen() : nullptr;
    }
    void TickFullScreen() override {
        if (logTicks) note("TickFullScreen");
        ++fullScreenTicks;
        if (onFullScreenTick) onFullScreenTick(fullScreenTicks);
    }
    // The full-screen loop clears the flag it set itself before this one.
    void EndFullScreen() override { log.push_back("EndFullScreen"); }
    void ResumeFullScreen() override { note("ResumeFullScreen"); }
    void Configure() override {
        note("Configure");
        if (onConfigure) onConfigure();
    }
    HWND CreatePreviewWindow(HWND parent) override {
        note("CreatePreviewWindow");
        lastPreviewParent = parent;
        return createPreview ? createPreview(parent) : nullptr;
    }
    void TickPreview() override {
        if (logTicks) note("TickPreview");
        ++previewTicks;
        if (onPreviewTick) onPreviewTick(previewTicks);
    }
    void EndPreview() override { note("EndPreview"); }
    void ResumePreview() override { note("ResumePreview"); }
    const char* GetCompanyName() override { return "Quillbrook"; }

    BOOL PreTranslateMessage(MSG* msg) override {
        if (logMessages) note("message " + std::to_string(msg->message));
        if (onMessage) onMessage(*msg);
        return TRUE;  // not consulted: the message is dispatched all the same
    }

    HWND lastPreviewParent = nullptr;

private:
    void note(const std::string& what) {
        log.push_back(what);
        if (!platform::screenSaverRunning()) flagSeenInEveryOperation = false;
    }
};

// Windows of a class whose procedure logs the messages that matter to the
// loops, then leaves them to DefWindowProcA (which destroys on WM_CLOSE).
inline std::vector<std::string>& windowLog() {
    static std::vector<std::string> log;
    return log;
}

inline LRESULT loggingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: windowLog().push_back("WM_CLOSE"); break;
        case WM_DESTROY: windowLog().push_back("WM_DESTROY"); break;
        case WM_QUIT: windowLog().push_back("WM_QUIT"); break;
        case WM_PAINT: windowLog().push_back("WM_PAINT"); break;
        case WM_SYSCOMMAND: windowLog().push_back("WM_SYSCOMMAND " + std::to_string(lParam)); break;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class InMemoryWindows : public testing::Test {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        platform::resetInMemoryWindows();
        platform::setInMemoryScreenSize(1920, 1080);
        windowLog().clear();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = loggingWindowProc;
        wc.lpszClassName = "LoopTestWindow";
        ASSERT_NE(RegisterClassExA(&wc), 0);
        LastFrameClock = 0;
        SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, nullptr, 0);
    }
    void TearDown() override { platform::resetInMemoryWindows(); }

    static HWND popup() {
        return CreateWindowExA(0, "LoopTestWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 1920, 1080, nullptr,
                               nullptr, nullptr, nullptr);
    }
    static HWND childOf(HWND parent) {
        return CreateWindowExA(0, "LoopTestWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60, parent, nullptr,
                               nullptr, nullptr);
    }
    static HWND topLevel(bool visible) {
        return CreateWindowExA(0, "LoopTestWindow", "host", WS_CAPTION | (visible ? static_cast<DWORD>(WS_VISIBLE) : 0u), 0, 0, 200,
                               120, nullptr, nullptr, nullptr, nullptr);
    }
};
