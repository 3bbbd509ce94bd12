#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/system_state.h"
#include "platform/window.h"
#include "recording_app.h"
#include "shell/frame_pacing.h"

using Log = std::vector<std::string>;

namespace {
const std::string kSysCommand = "message " + std::to_string(WM_SYSCOMMAND);
const std::string kQuit = "message " + std::to_string(WM_QUIT);
const std::string kUser = "message " + std::to_string(0x400);
const std::string kUser2 = "message " + std::to_string(0x402);

bool contains(const Log& log, const std::string& what) { return std::find(log.begin(), log.end(), what) != log.end(); }
}  // namespace

class FullScreenLoop : public InMemoryWindows {
protected:
    void SetUp() override {
        InMemoryWindows::SetUp();
        app.createFullScreen = [this] { return window = popup(); };
    }
    RecordingApp app;
    HWND window = nullptr;
};

TEST_F(FullScreenLoop, NoWindowEndsTheRunAtOnceWithoutTouchingTheFlag) {
    app.createFullScreen = [] { return nullptr; };
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, nullptr, 0);
    app.RunFullScreen();
    EXPECT_EQ(app.log, Log{"CreateFullScreenWindow"});
    EXPECT_TRUE(platform::screenSaverRunning());
}

TEST_F(FullScreenLoop, OnlyAPowerOffRequestEndsTheRun) {
    struct Case {
        LPARAM power;
        int ticks;  // the run otherwise ends when the window goes, on tick 5
        bool closedByLoop;
    };
    const Case cases[] = {{2, 1, true}, {1, 5, false}, {-1, 5, false}};
    for (const Case& c : cases) {
        RecordingApp run;
        run.logTicks = false;
        run.logMessages = true;
        run.createFullScreen = [this] { return window = popup(); };
        run.onFullScreenTick = [&](int tick) {
            if (tick == 1) {
                PostMessageA(window, WM_SYSCOMMAND, SC_MONITORPOWER, c.power);
                PostMessageA(window, 0x400, 0, 0);  // after a power-off nothing more is drained
            }
            if (tick == 5) DestroyWindow(window);
        };
        windowLog().clear();
        run.RunFullScreen();
        EXPECT_EQ(run.fullScreenTicks, c.ticks) << c.power;
        EXPECT_EQ(contains(run.log, kUser), !c.closedByLoop) << c.power;
        EXPECT_EQ(run.log.back(), "EndFullScreen");
        // Every message went through the pre-translation and on to the window.
        EXPECT_TRUE(contains(run.log, kSysCommand));
        EXPECT_TRUE(contains(windowLog(), "WM_SYSCOMMAND " + std::to_string(c.power)));
        EXPECT_EQ(contains(windowLog(), "WM_CLOSE"), c.closedByLoop) << c.power;
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(platform::screenSaverRunning());
    }
}

TEST_F(FullScreenLoop, AQueuedQuitDoesNotEndTheRun) {
    app.logMessages = true;
    app.onFullScreenTick = [&](int tick) {
        if (tick == 1) PostMessageA(window, WM_QUIT, 0, 0);
        if (tick == 4) DestroyWindow(window);
    };
    app.RunFullScreen();
    EXPECT_EQ(app.fullScreenTicks, 4);
    EXPECT_TRUE(contains(app.log, kQuit));
}

TEST_F(FullScreenLoop, FramesAreAtLeast11MillisecondsApartWithoutBusyPolling) {
    std::vector<int32_t> frames;
    int passes = 0;
    const int32_t start = platform::clockMillis();
    LastFrameClock = start;
    app.logTicks = false;
    app.onFullScreenTick = [&](int) {
        ++passes;
        const int32_t before = LastFrameClock;
        DrawFrameIfDue();
        if (LastFrameClock != before) frames.push_back(LastFrameClock);
        if (platform::clockMillis() - start >= 200) DestroyWindow(window);
    };
    app.RunFullScreen();
    ASSERT_GE(frames.size(), 4u);
    for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_GE(frames[i] - frames[i - 1], 11);
    // Waiting for the next frame leaves a few passes per frame; polling
    // would make thousands.
    EXPECT_LE(passes, 3 * static_cast<int>(frames.size()) + 10);
}

TEST_F(FullScreenLoop, ATerminationRequestClosesTheWindowAndEndsTheRun) {
    EXPECT_EXIT(
        {
            app.onFullScreenTick = [&](int tick) {
                if (tick == 2) raise(SIGTERM);
            };
            app.RunFullScreen();
            const bool clean = app.fullScreenTicks == 2 && !IsWindow(window) && contains(windowLog(), "WM_CLOSE") &&
                               app.log.back() == "EndFullScreen" && !platform::screenSaverRunning();
            std::exit(clean ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

class PreviewLoop : public InMemoryWindows {
protected:
    void SetUp() override {
        InMemoryWindows::SetUp();
        app.createPreview = [this](HWND p) { return child = childOf(p); };
    }
    RecordingApp app;
    HWND child = nullptr;
};

TEST_F(PreviewLoop, NoParentOrNoChildEndsAtOnce) {
    app.RunPreview(nullptr);
    app.RunPreview(hwndFromId(0x7777));
    EXPECT_TRUE(app.log.empty());

    app.createPreview = [](HWND) { return nullptr; };
    app.RunPreview(topLevel(true));
    EXPECT_EQ(app.log, Log{"CreatePreviewWindow"});  // no EndPreview
}

TEST_F(PreviewLoop, WaitsForTheParentToShowDrainingOnlyItsMessages) {
    HWND parent = topLevel(false);
    HWND other = topLevel(true);
    app.logMessages = true;
    app.onMessage = [&](const MSG& m) {
        if (m.message == 0x400) ShowWindow(parent, SW_SHOW);
    };
    app.onPreviewTick = [&](int) { ShowWindow(parent, SW_HIDE); };
    PostMessageA(other, 0x402, 0, 0);
    PostMessageA(parent, 0x400, 0, 0);
    app.RunPreview(parent);
    EXPECT_EQ(app.log, (Log{kUser, "CreatePreviewWindow", "TickPreview", kUser2, "EndPreview"}));
    EXPECT_TRUE(contains(windowLog(), "WM_CLOSE"));  // the child is closed when the parent hides
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(PreviewLoop, AParentDestroyedWhileHiddenGetsNoChildAndNoEnd) {
    HWND parent = topLevel(false);
    app.logMessages = true;
    app.onMessage = [&](const MSG& m) {
        if (m.message == 0x400) DestroyWindow(parent);
    };
    PostMessageA(parent, 0x400, 0, 0);
    app.RunPreview(parent);
    // The creation is tried and fails on the vanished parent.
    EXPECT_EQ(app.log, (Log{kUser, "CreatePreviewWindow"}));
    EXPECT_EQ(child, nullptr);
}

TEST_F(PreviewLoop, MonitorPowerPausesDrawingUntilTheNextPaint) {
    for (LPARAM power : {LPARAM(2), LPARAM(1), LPARAM(-1)}) {
        RecordingApp run;
        HWND parent = topLevel(true);
        run.createPreview = [this](HWND p) { return child = childOf(p); };
        run.onPreviewTick = [&](int tick) {
            if (tick == 1) {
                PostMessageA(child, WM_SYSCOMMAND, SC_MONITORPOWER, power);
                SetTimer(child, 1, 30, nullptr);  // passes go on meanwhile, without ticks
            }
            if (tick == 3) ShowWindow(parent, SW_HIDE);
        };
        int timerPasses = 0;
        run.onMessage = [&](const MSG& m) {
            if (m.message == WM_TIMER && ++timerPasses == 2) {
                KillTimer(child, 1);
                PostMessageA(child, WM_PAINT, 0, 0);
            }
        };
        run.RunPreview(parent);
        EXPECT_EQ(run.log, (Log{"CreatePreviewWindow", "TickPreview", "ResumePreview", "TickPreview", "TickPreview",
                                "EndPreview"}))
            << power;
    }
}

TEST_F(PreviewLoop, EndsWhenAForeignParentVanishesAndIgnoresQuit) {
    HWND parent = platform::createInMemoryForeignWindow(160, 100);
    app.logMessages = true;
    app.onPreviewTick = [&](int tick) {
        if (tick == 1) PostMessageA(child, WM_QUIT, 0, 0);
        if (tick == 3) platform::destroyInMemoryForeignWindow(parent);
    };
    app.RunPreview(parent);
    EXPECT_EQ(app.previewTicks, 3);
    EXPECT_TRUE(contains(app.log, kQuit));
    EXPECT_EQ(app.log.back(), "EndPreview");
    EXPECT_FALSE(contains(windowLog(), "WM_CLOSE"));  // the child went with its parent
}

TEST_F(PreviewLoop, ATerminationRequestClosesTheChildAndEndsTheRun) {
    EXPECT_EXIT(
        {
            HWND parent = topLevel(true);
            app.onPreviewTick = [&](int tick) {
                if (tick == 2) raise(SIGINT);
            };
            app.RunPreview(parent);
            const bool clean = app.previewTicks == 2 && !IsWindow(child) && IsWindow(parent) &&
                               app.log.back() == "EndPreview";
            std::exit(clean ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
