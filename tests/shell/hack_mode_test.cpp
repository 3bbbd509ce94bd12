#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/window.h"
#include "recording_app.h"
#include "settings/options.h"
#include "shell/hack_mode.h"
#include "support/scoped_env.h"

namespace {

std::string hex(HWND window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(idFromHwnd(window)));
    return text;
}

HackOptions optionsOf(const std::vector<std::string>& args) {
    const CommandLine line = parseCommandLine(args);
    EXPECT_EQ(line.kind, CommandLineKind::Hack) << line.error;
    return line.hack;
}

struct Size {
    int w, h;
    bool operator==(const Size& o) const { return w == o.w && h == o.h; }
};
std::ostream& operator<<(std::ostream& out, const Size& s) { return out << s.w << "x" << s.h; }

Size clientSize(HWND window) {
    RECT r = {0, 0, 0, 0};
    GetClientRect(window, &r);
    return Size{r.right, r.bottom};
}

class HackRun : public InMemoryWindows {
protected:
    void SetUp() override {
        InMemoryWindows::SetUp();
        saved_ = g_options;
        app.createPreview = [this](HWND parent) { return child = childOf(parent); };
    }
    void TearDown() override {
        g_options = saved_;
        InMemoryWindows::TearDown();
    }
    RecordingApp app;
    HWND child = nullptr;

private:
    Options saved_;
};

}  // namespace

TEST_F(HackRun, DrawsIntoTheGivenWindowWithTheRunSettingsUntilItVanishes) {
    HWND given = platform::createInMemoryForeignWindow(300, 200);
    g_options.xSpeed = 31;
    bool filled = false;
    int windSeen = -1;
    app.onPreviewTick = [&](int tick) {
        filled = clientSize(child) == Size{300, 200};
        windSeen = g_options.xSpeed;
        if (tick == 3) platform::destroyInMemoryForeignWindow(given);
    };
    const int status = RunHack(app, optionsOf({"--window-id", hex(given), "--wind", "77"}));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(app.lastPreviewParent, given);
    EXPECT_EQ(app.previewTicks, 3);
    EXPECT_TRUE(filled) << "the child fills the window it is given";
    EXPECT_EQ(windSeen, 77);
    EXPECT_EQ(g_options.xSpeed, 31) << "the run's settings end with it";
    EXPECT_EQ(app.log.back(), "EndPreview");
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(HackRun, RootDrawsIntoTheWindowXscreensaverNames) {
    HWND given = platform::createInMemoryForeignWindow(320, 240);
    ScopedEnv env("XSCREENSAVER_WINDOW", hex(given));
    app.onPreviewTick = [&](int) { platform::destroyInMemoryForeignWindow(given); };
    EXPECT_EQ(RunHack(app, optionsOf({"--root"})), 0);
    EXPECT_EQ(app.lastPreviewParent, given);
}

TEST_F(HackRun, FollowsTheSizeOfItsOwnWindowAndEndsWhenItIsClosed) {
    HWND own = nullptr;
    app.createPreview = [&](HWND parent) {
        own = parent;
        return child = childOf(parent);
    };
    std::vector<Size> seen;
    app.onPreviewTick = [&](int tick) {
        seen.push_back(clientSize(child));
        if (tick == 1) SetWindowPos(own, nullptr, 0, 0, 400, 250, 0);
        if (tick == 2) PostMessageA(own, WM_CLOSE, 0, 0);  // the user closes it
    };
    EXPECT_EQ(RunHack(app, optionsOf({"--window", "--geometry", "300x200+5+6"})), 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (Size{300, 200}));
    EXPECT_EQ(seen[1], (Size{400, 250}));
    EXPECT_FALSE(IsWindow(own));
}

TEST_F(HackRun, AHiddenWindowPausesTheDrawing) {
    HWND given = platform::createInMemoryForeignWindow(300, 200);
    int hiddenPasses = 0;
    int ticksWhileHidden = 0;
    app.onPreviewTick = [&](int tick) {
        if (tick == 1) {
            platform::setInMemoryForeignVisible(given, false);
            PostMessageA(child, 0x400, 0, 0);
        }
        if (tick == 2) platform::destroyInMemoryForeignWindow(given);
    };
    // Each pass while hidden drains one message and posts the next.
    app.onMessage = [&](const MSG& msg) {
        if (msg.message != 0x400) return;
        if (app.previewTicks != 1) ++ticksWhileHidden;
        if (++hiddenPasses < 3)
            PostMessageA(child, 0x400, 0, 0);
        else
            platform::setInMemoryForeignVisible(given, true);
    };
    EXPECT_EQ(RunHack(app, optionsOf({"--window-id", hex(given)})), 0);
    EXPECT_EQ(hiddenPasses, 3);
    EXPECT_EQ(ticksWhileHidden, 0);
    EXPECT_EQ(app.previewTicks, 2) << "drawing resumes once it shows again";
}

TEST_F(HackRun, DelayKeepsFramesApart) {
    HWND given = platform::createInMemoryForeignWindow(300, 200);
    std::vector<int32_t> at;
    app.onPreviewTick = [&](int tick) {
        at.push_back(platform::clockMillis());
        LastFrameClock = at.back();  // as drawing a frame records it
        if (tick == 4) platform::destroyInMemoryForeignWindow(given);
    };
    EXPECT_EQ(RunHack(app, optionsOf({"--window-id", hex(given), "--delay", "30000"})), 0);
    ASSERT_EQ(at.size(), 4u);
    for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], 30) << i;
}

TEST_F(HackRun, NothingToDrawIntoEndsWithStatusOne) {
    {
        SCOPED_TRACE("no such window");
        EXPECT_EQ(RunHack(app, optionsOf({"--window-id", "0x999"})), 1);
    }
    {
        SCOPED_TRACE("an unreadable XSCREENSAVER_WINDOW");
        ScopedEnv env("XSCREENSAVER_WINDOW", "nine");
        EXPECT_EQ(RunHack(app, optionsOf({"--root"})), 1);
    }
    EXPECT_TRUE(app.log.empty()) << "no window was made";
    {
        SCOPED_TRACE("the child cannot be made");
        HWND given = platform::createInMemoryForeignWindow(300, 200);
        app.createPreview = [](HWND) { return nullptr; };
        EXPECT_EQ(RunHack(app, optionsOf({"--window-id", hex(given)})), 1);
        EXPECT_EQ(app.log, std::vector<std::string>{"CreatePreviewWindow"});
    }
}

// Last: the termination request stays with the process.
TEST_F(HackRun, ATerminationRequestClosesTheChildAndEndsWithStatusZero) {
    HWND given = platform::createInMemoryForeignWindow(300, 200);
    app.onPreviewTick = [&](int tick) {
        if (tick == 2) raise(SIGTERM);
    };
    EXPECT_EQ(RunHack(app, optionsOf({"--window-id", hex(given), "--no-change"})), 0);
    EXPECT_EQ(app.previewTicks, 2);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_NE(std::find(windowLog().begin(), windowLog().end(), "WM_CLOSE"), windowLog().end());
    EXPECT_EQ(app.log.back(), "EndPreview");
    EXPECT_TRUE(IsWindow(given));
}
