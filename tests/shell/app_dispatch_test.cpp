#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/system_state.h"
#include "platform/window.h"
#include "recording_app.h"

using Log = std::vector<std::string>;

class Dispatch : public InMemoryWindows {};

TEST_F(Dispatch, EveryModeRunsBetweenSettingAndClearingTheRunningFlag) {
    struct Case {
        const char* tail;
        Log log;
    };
    const Case cases[] = {
        {"", {"Configure"}},
        {"/c:1234", {"Configure"}},
        {"/S", {"CreateFullScreenWindow", "TickFullScreen", "EndFullScreen"}},
        {"/s /a", {}},  // the password change: no provider here, nothing to see
        {"/p 99", {}},  // no window 99: the preview ends at once
        {"/p", {}},     // window 0
    };
    for (const Case& c : cases) {
        RecordingApp app;
        EXPECT_EQ(CScreensaverApp::instance(), &app);
        // The full-screen window goes away on the first tick, which ends
        // that run.
        HWND window = nullptr;
        app.createFullScreen = [&] { return window = popup(); };
        app.onFullScreenTick = [&](int) { DestroyWindow(window); };
        bool flagDuringConfigure = false;
        app.onConfigure = [&] { flagDuringConfigure = platform::screenSaverRunning(); };

        EXPECT_FALSE(app.InitInstance(c.tail)) << c.tail;
        EXPECT_EQ(app.log, c.log) << '"' << c.tail << '"';
        EXPECT_TRUE(app.flagSeenInEveryOperation) << c.tail;
        EXPECT_FALSE(platform::screenSaverRunning()) << c.tail;
        if (!c.log.empty() && c.log[0] == "Configure") {
            EXPECT_TRUE(flagDuringConfigure);
        }
        EXPECT_EQ(app.registryKey(), "Local AppWizard-Generated Applications");
    }
    EXPECT_EQ(CScreensaverApp::instance(), nullptr);
}

TEST_F(Dispatch, PreviewModeUsesTheWindowTheTailNames) {
    HWND parent = platform::createInMemoryForeignWindow(320, 200);
    RecordingApp app;
    HWND child = nullptr;
    app.createPreview = [&](HWND p) { return child = childOf(p); };
    app.onPreviewTick = [&](int) { platform::setInMemoryForeignVisible(parent, false); };
    app.InitInstance("/p " + std::to_string(idFromHwnd(parent)));
    EXPECT_EQ(app.lastPreviewParent, parent);
    EXPECT_EQ(app.log, (Log{"CreatePreviewWindow", "TickPreview", "EndPreview"}));
    EXPECT_TRUE(app.flagSeenInEveryOperation);
    EXPECT_FALSE(platform::screenSaverRunning());
}

TEST_F(Dispatch, TheTestPreviewHostIsAQuarterOfTheScreenCentred) {
    // Everything with the host in one test: its class is registered once per
    // process, and the fixture forgets classes between tests.
    RecordingApp app;
    HWND host = app.CreateTestPreviewHost();
    ASSERT_NE(host, nullptr);
    RECT r;
    ASSERT_TRUE(GetWindowRect(host, &r));
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}),
              (std::vector<LONG>{720, 405, 480, 270}));
    EXPECT_TRUE(IsWindowVisible(host));
    DestroyWindow(host);

    // "/testpreview": the preview runs inside a fresh host, which is
    // destroyed afterwards. Sizes are truncated: 1366 / 4 = 341.
    platform::setInMemoryScreenSize(1366, 768);
    HWND child = nullptr;
    RECT hostRect{};
    app.createPreview = [&](HWND parent) {
        GetWindowRect(parent, &hostRect);
        return child = childOf(parent);
    };
    app.onPreviewTick = [&](int tick) {
        if (tick == 3) DestroyWindow(child);
    };
    app.InitInstance("/testpreview");
    EXPECT_EQ((std::vector<LONG>{hostRect.left, hostRect.top, hostRect.right - hostRect.left,
                                 hostRect.bottom - hostRect.top}),
              (std::vector<LONG>{512, 288, 341, 192}));
    ASSERT_NE(app.lastPreviewParent, nullptr);
    EXPECT_FALSE(IsWindow(app.lastPreviewParent));
    EXPECT_EQ(app.previewTicks, 3);
    EXPECT_EQ(app.log, (Log{"CreatePreviewWindow", "TickPreview", "TickPreview", "TickPreview", "EndPreview"}));
    EXPECT_TRUE(app.flagSeenInEveryOperation);
}
