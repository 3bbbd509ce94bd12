#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"
#include "scene/current_scene.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "shell/saver_window.h"
#include "shell/test_screensaver.h"
#include "support/message_box_recorder.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

const char kVoteCaption[] = "Thank you for using Flurrydale";

// The cursor's display count (hidden while below 0).
int cursorCount() {
    int count = ShowCursor(FALSE) + 1;
    ShowCursor(TRUE);
    return count;
}

// An installation without scenes on the in-memory window backend, a saver
// object that owns the window, and every box recorded. The backend is not
// reset: the saver registers its window class once per process.
class SaverWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        platform::setInMemoryScreenSize(800, 600);
        cursorBefore = cursorCount();
        install.mkdir("data");
        hive = std::make_unique<ScopedEnv>(
            "FLURRYDALE_HKLM",
            install.write("hklm.ini", "[Software\\Quillbrook\\Flurrydale]\nDir=" + install.path() + "\n"));
        savedOptions = g_options;
        savedDataDir = DataDir;
        IsFullScreen = false;
        FirstMousePos = {-1, -1};
        app = std::make_unique<CTestScreensaver>();
    }
    void TearDown() override {
        if (IsWindow(app->saverWindow())) DestroyWindow(app->saverWindow());
        app.reset();
        deleteScene(currentScene);
        g_options = savedOptions;
        DataDir = savedDataDir;
    }

    void writeOptions(const std::string& children) {
        install.write("data/options.xml", "<?xml version=\"1.0\"?>\n<OPTIONS>" + children + "</OPTIONS>\n");
    }
    std::string optionsFile() const { return readFileOrEmpty(install.file("data/options.xml")); }
    int boxesCaptioned(const std::string& caption) const {
        int n = 0;
        for (const auto& call : boxes.calls()) n += call.caption == caption;
        return n;
    }
    int promptBoxes() const { return boxesCaptioned(kVoteCaption) + boxesCaptioned("Notification"); }
    HWND fullScreen() {
        HWND w = app->CreateFullScreenWindow();
        EXPECT_NE(w, nullptr);
        return w;
    }
    void move(HWND w, int x, int y) { SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    TempDir install;
    std::unique_ptr<ScopedEnv> hive;
    MessageBoxRecorder boxes;
    std::unique_ptr<CTestScreensaver> app;
    Options savedOptions;
    std::string savedDataDir;
    int cursorBefore = 0;
};

TEST_F(SaverWindowTest, FullScreenWindowCountsTheRunAndHidesTheCursorForItsLife) {
    writeOptions("<RunCount v=\"5\"/>");
    HWND w = fullScreen();
    RECT r;
    ASSERT_TRUE(GetWindowRect(w, &r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(r.bottom, 600);
    EXPECT_EQ(DataDir, install.path() + "/data/");
    EXPECT_EQ(g_options.RunCount, 6);
    EXPECT_NE(optionsFile().find("<RunCount v=\"6\"/>"), std::string::npos) << optionsFile();
    EXPECT_EQ(cursorCount(), cursorBefore - 1);
    EXPECT_NE(currentScene, nullptr);
    EXPECT_EQ(app->saverWindow(), w);

    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(cursorCount(), cursorBefore);
    EXPECT_EQ(currentScene, nullptr);
    EXPECT_EQ(app->saverWindow(), nullptr);
    EXPECT_EQ(promptBoxes(), 0);
}

TEST_F(SaverWindowTest, RunCountAtTheTopOfItsRangeDoesNotWrap) {
    writeOptions("<RunCount v=\"2147483647\"/>");
    fullScreen();
    EXPECT_EQ(g_options.RunCount, 2147483647);
}

TEST_F(SaverWindowTest, PreviewFillsItsParentIgnoresInputAndRewritesTheSettings) {
    writeOptions("<RunCount v=\"5\"/><Unknown v=\"1\"/>");
    HWND parent = platform::createInMemoryForeignWindow(320, 200);
    HWND w = app->CreatePreviewWindow(parent);
    ASSERT_NE(w, nullptr);
    RECT r;
    ASSERT_TRUE(GetClientRect(w, &r));
    EXPECT_EQ(r.right, 320);
    EXPECT_EQ(r.bottom, 200);
    EXPECT_EQ(g_options.RunCount, 5);
    EXPECT_NE(optionsFile().find("<RunCount v=\"5\"/>"), std::string::npos);
    EXPECT_EQ(optionsFile().find("Unknown"), std::string::npos) << "the file was not rewritten";
    EXPECT_EQ(cursorCount(), cursorBefore);

    const std::pair<UINT, WPARAM> inputs[] = {{WM_KEYDOWN, 'A'}, {WM_SYSKEYDOWN, VK_MENU},
                                              {WM_LBUTTONDOWN, 0}, {WM_RBUTTONDOWN, 0},
                                              {WM_MBUTTONDOWN, 0}};
    for (const auto& input : inputs) SendMessageA(w, input.first, input.second, 0);
    move(w, 10, 10);
    move(w, 300, 190);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(FirstMousePos.x, -1);

    platform::destroyInMemoryForeignWindow(parent);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(currentScene, nullptr);
    EXPECT_EQ(app->saverWindow(), nullptr);
    EXPECT_EQ(promptBoxes(), 0);
}

struct InputCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    bool ends;
};

class FullScreenInputTest : public SaverWindowTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(FullScreenInputTest, EndsTheRunOrNot) {
    const InputCase& c = GetParam();
    HWND w = fullScreen();
    SendMessageA(w, c.message, c.wParam, 0);
    EXPECT_EQ(!IsWindow(w), c.ends);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FullScreenInputTest,
    ::testing::Values(InputCase{"Key", WM_KEYDOWN, 'A', true}, InputCase{"LoneShift", WM_KEYDOWN, VK_SHIFT, true},
                      InputCase{"LoneAlt", WM_SYSKEYDOWN, VK_MENU, true},
                      InputCase{"LeftButton", WM_LBUTTONDOWN, 0, true},
                      InputCase{"RightButton", WM_RBUTTONDOWN, 0, true},
                      InputCase{"MiddleButton", WM_MBUTTONDOWN, 0, true},
                      InputCase{"KeyUp", WM_KEYUP, 'A', false}, InputCase{"ButtonUp", WM_LBUTTONUP, 0, false},
                      InputCase{"Wheel", WM_MOUSEWHEEL, 120u << 16, false},
                      InputCase{"ExtraButton", WM_XBUTTONDOWN, 1u << 16, false},
                      InputCase{"ScreenSaveCommand", WM_SYSCOMMAND, SC_SCREENSAVE, false},
                      InputCase{"CloseCommand", WM_SYSCOMMAND, SC_CLOSE, false},
                      InputCase{"MonitorPowerCommand", WM_SYSCOMMAND, SC_MONITORPOWER, false},
                      InputCase{"Activated", WM_ACTIVATE, 1, false},
                      InputCase{"Deactivated", WM_ACTIVATE, 0, true},
                      InputCase{"AppDeactivated", WM_ACTIVATEAPP, 0, true},
                      InputCase{"NonClientDeactivated", WM_NCACTIVATE, 0, true}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return info.param.name; });

struct MouseCase {
    const char* name;
    std::vector<POINT> moves;
    bool ends;
};

class MouseRuleTest : public SaverWindowTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseRuleTest, EndsBeyond50PixelsAlongEitherAxis) {
    const MouseCase& c = GetParam();
    HWND w = fullScreen();
    for (const POINT& p : c.moves) {
        ASSERT_TRUE(IsWindow(w)) << "ended before the last move";
        move(w, p.x, p.y);
    }
    EXPECT_EQ(!IsWindow(w), c.ends);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MouseRuleTest,
    ::testing::Values(
        MouseCase{"FirstPositionOnly", {{400, 300}}, false},
        MouseCase{"FiftyAlongBothAxes", {{400, 300}, {450, 250}, {350, 350}}, false},
        MouseCase{"FortyDiagonal", {{400, 300}, {440, 340}}, false},
        MouseCase{"FiftyOneRight", {{400, 300}, {451, 300}}, true},
        MouseCase{"FiftyOneUp", {{400, 300}, {400, 249}}, true},
        MouseCase{"SlowlyAway", {{400, 300}, {430, 300}, {440, 300}, {451, 300}}, true},
        MouseCase{"SlowlyBackAndForth", {{400, 300}, {430, 300}, {380, 300}, {420, 320}}, false},
        // A coordinate of -1 is no position: the next move is the first.
        MouseCase{"MinusOneIsNoPosition", {{-1, 300}, {400, 300}, {450, 300}}, false},
        MouseCase{"MinusOneThenBeyond", {{300, -1}, {400, 300}, {451, 300}}, true},
        // Coordinates left of or above the window are signed.
        MouseCase{"NegativeCoordinates", {{-30, 10}, {20, 10}, {-20, -40}}, false},
        MouseCase{"NegativeBeyond", {{-30, 10}, {21, 10}}, true}),
    [](const ::testing::TestParamInfo<MouseCase>& info) { return info.param.name; });

TEST_F(SaverWindowTest, IgnoreMouseMoveKeepsTheRunButKeysStillEndIt) {
    writeOptions("<IgnoreMouseMove v=\"1\"/>");
    HWND w = fullScreen();
    move(w, 10, 10);
    move(w, 790, 590);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(FirstMousePos.x, -1);
    SendMessageA(w, WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(SaverWindowTest, InputOnThe33rdRunAsksForAVoteOverTheDesktopThenCloses) {
    writeOptions("<RunCount v=\"32\"/>");
    HWND w = fullScreen();
    bool saverVisibleDuringBox = true;
    platform::setMessageBoxHook([&](const platform::MessageBoxCall& call) {
        if (call.caption == kVoteCaption) saverVisibleDuringBox = IsWindowVisible(w) != 0;
        return IDNO;
    });
    SendMessageA(w, WM_LBUTTONDOWN, 0, 0);
    platform::setMessageBoxHook(nullptr);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(saverVisibleDuringBox);
    EXPECT_EQ(g_options.RunCount, 33);
}

TEST_F(SaverWindowTest, LossOfActivationClosesWithoutPrompts) {
    writeOptions("<RunCount v=\"32\"/>");
    HWND w = fullScreen();
    SendMessageA(w, WM_ACTIVATE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(promptBoxes(), 0);
    EXPECT_EQ(cursorCount(), cursorBefore);
}

}  // namespace
