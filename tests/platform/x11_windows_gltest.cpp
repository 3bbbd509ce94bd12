// The X11 backend against a real X server (Xvfb): windows made and placed,
// X input turned into messages, foreign windows that vanish, focus and
// exposure. A second connection plays the other programs on the desktop.
#include <gtest/gtest.h>
// After gtest: Xlib's macros (None, Bool) would clash with its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/window.h"

namespace {

std::vector<MSG> g_got;

LRESULT recordProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    MSG msg{};
    msg.hwnd = w;
    msg.message = m;
    msg.wParam = wp;
    msg.lParam = lp;
    g_got.push_back(msg);
    return DefWindowProcA(w, m, wp, lp);
}

Window idOf(HWND w) { return static_cast<Window>(idFromHwnd(w)); }

// Focus and real input are shared by everything on one X server, and other
// tests run beside these ones; so this test program runs on an X server of
// its own: before anything else it starts itself again under a private Xvfb
// (scripts/with-xvfb, without DISPLAY), which ends after the program.
bool restartOnPrivateServer() {
    if (std::getenv("FLURRY_PRIVATE_XVFB")) return false;
    char self[4096];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return false;
    std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
    std::vector<std::string> args{FLURRY_SOURCE_DIR "/scripts/with-xvfb", std::string(self, length)};
    std::string arg;
    bool first = true;
    while (std::getline(cmdline, arg, '\0')) {
        if (!first) args.push_back(arg);
        first = false;
    }
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    setenv("FLURRY_PRIVATE_XVFB", "1", 1);
    unsetenv("DISPLAY");
    execv(argv[0], argv.data());
    return false;  // not restarted: the tests run on the display given
}
const bool g_restarted = restartOnPrivateServer();

class X11Windows : public testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::setWindowBackend(platform::WindowBackend::X11);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = recordProc;
        wc.lpszClassName = "X11Rec";
        RegisterClassExA(&wc);
    }
    void SetUp() override {
        other = XOpenDisplay(nullptr);
        ASSERT_NE(other, nullptr) << "needs DISPLAY (run under scripts/with-xvfb)";
        ASSERT_GE(platform::x11ConnectionFd(), 0);
        g_got.clear();
    }
    void TearDown() override {
        for (HWND w : made)
            if (IsWindow(w)) DestroyWindow(w);
        if (other) XCloseDisplay(other);
        pump();
    }
    HWND make(DWORD style, HWND parent, int x, int y, int w, int h, const char* title = "") {
        HWND hwnd = CreateWindowExA(0, "X11Rec", title, style, x, y, w, h, parent, nullptr, nullptr, nullptr);
        made.push_back(hwnd);
        return hwnd;
    }
    // Dispatches until the condition holds or the time is up.
    static bool pumpUntil(const std::function<bool()>& done, int limitMs = 3000) {
        int32_t end = platform::clockMillis() + limitMs;
        for (;;) {
            pump();
            if (done()) return true;
            if (platform::clockMillis() >= end) return false;
            platform::waitForMessages(50);
        }
    }
    static void pump() {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    static const MSG* find(HWND w, UINT message) {
        for (const MSG& m : g_got)
            if (m.hwnd == w && m.message == message) return &m;
        return nullptr;
    }
    static int count(HWND w, UINT message) {
        int n = 0;
        for (const MSG& m : g_got) n += m.hwnd == w && m.message == message;
        return n;
    }
    bool viewable(Window w) {
        XWindowAttributes a;
        return XGetWindowAttributes(other, w, &a) && a.map_state == IsViewable;
    }
    Window foreignWindow(int w, int h) {
        Window win = XCreateSimpleWindow(other, DefaultRootWindow(other), 10, 10, w, h, 0, 0, 0);
        XMapWindow(other, win);
        XSync(other, False);
        return win;
    }

    Display* other = nullptr;
    std::vector<HWND> made;
};

TEST_F(X11Windows, FullScreenPopupCoversTheScreenAndTakesTheFocus) {
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(sw, DisplayWidth(other, DefaultScreen(other)));  // one monitor under Xvfb
    EXPECT_EQ(sh, DisplayHeight(other, DefaultScreen(other)));
    HWND w = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, sw, sh);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return viewable(idOf(w)); }));
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(other, idOf(w), &a));
    EXPECT_TRUE(a.override_redirect);
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(a.y, 0);
    EXPECT_EQ(a.width, sw);
    EXPECT_EQ(a.height, sh);
    ASSERT_TRUE(pumpUntil([&] {
        Window focus;
        int revert;
        XGetInputFocus(other, &focus, &revert);
        return focus == idOf(w);
    }));
    // Real input through the server reaches the focused popup.
    ASSERT_EQ(std::system("xdotool key --clearmodifiers a mousemove 300 200"), 0);
    auto movedThere = [&] {
        for (const MSG& m : g_got)
            if (m.hwnd == w && m.message == WM_MOUSEMOVE && m.lParam == MAKELPARAM(300, 200)) return true;
        return false;
    };
    ASSERT_TRUE(pumpUntil([&] { return find(w, WM_KEYDOWN) && movedThere(); }));
    EXPECT_EQ(find(w, WM_KEYDOWN)->wParam, WPARAM{'A'});
}

TEST_F(X11Windows, InputEventsBecomeMessages) {
    HWND w = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 200, 100);
    ASSERT_TRUE(pumpUntil([&] { return viewable(idOf(w)); }));
    struct Case {
        const char* name;
        int type;
        unsigned detail;  // key symbol or button
        unsigned state;
        UINT message;
        WPARAM wParam;  // compared in full
        LPARAM lParam;  // compared when not -1
    };
    const Case cases[] = {
        {"letter", KeyPress, XK_a, 0, WM_KEYDOWN, 'A', -1},
        {"lone shift", KeyPress, XK_Shift_L, 0, WM_KEYDOWN, VK_SHIFT, -1},
        {"lone alt", KeyPress, XK_Alt_L, 0, WM_SYSKEYDOWN, VK_MENU, -1},
        {"alt held", KeyPress, XK_x, Mod1Mask, WM_SYSKEYDOWN, 'X', -1},
        {"escape up", KeyRelease, XK_Escape, 0, WM_KEYUP, VK_ESCAPE, -1},
        {"left", ButtonPress, 1, 0, WM_LBUTTONDOWN, 0, MAKELPARAM(12, 34)},
        {"middle", ButtonPress, 2, 0, WM_MBUTTONDOWN, 0, MAKELPARAM(12, 34)},
        {"right", ButtonPress, 3, Button1Mask, WM_RBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34)},
        {"right up", ButtonRelease, 3, 0, WM_RBUTTONUP, 0, MAKELPARAM(12, 34)},
        {"wheel up", ButtonPress, 4, 0, WM_MOUSEWHEEL, WPARAM{120} << 16, -1},
        {"wheel down", ButtonPress, 5, 0, WM_MOUSEWHEEL, WPARAM{0xFF88} << 16, -1},
        {"wheel right", ButtonPress, 7, 0, WM_MOUSEHWHEEL, WPARAM{120} << 16, -1},
        {"back button", ButtonPress, 8, 0, WM_XBUTTONDOWN, WPARAM{XBUTTON1} << 16, MAKELPARAM(12, 34)},
        {"motion", MotionNotify, 0, 0, WM_MOUSEMOVE, 0, MAKELPARAM(12, 34)},
    };
    for (const Case& c : cases) {
        XEvent e{};
        e.xany.type = c.type;
        e.xany.window = idOf(w);
        if (c.type == KeyPress || c.type == KeyRelease) {
            e.xkey.keycode = XKeysymToKeycode(other, c.detail);
            e.xkey.state = c.state;
            e.xkey.root = DefaultRootWindow(other);
        } else if (c.type == MotionNotify) {
            e.xmotion.x = 12;
            e.xmotion.y = 34;
        } else {
            e.xbutton.button = c.detail;
            e.xbutton.state = c.state;
            e.xbutton.x = 12;
            e.xbutton.y = 34;
        }
        g_got.clear();
        XSendEvent(other, idOf(w), False, 0, &e);
        XFlush(other);
        ASSERT_TRUE(pumpUntil([&] { return find(w, c.message) != nullptr; })) << c.name;
        const MSG* m = find(w, c.message);
        EXPECT_EQ(m->wParam, c.wParam) << c.name;
        if (c.lParam != -1) {
            EXPECT_EQ(m->lParam, c.lParam) << c.name;
        }
    }
    // Releasing a wheel step produces nothing.
    g_got.clear();
    XEvent e{};
    e.xbutton.type = ButtonRelease;
    e.xbutton.window = idOf(w);
    e.xbutton.button = 4;
    XSendEvent(other, idOf(w), False, 0, &e);
    XFlush(other);
    pumpUntil([] { return false; }, 200);
    EXPECT_EQ(count(w, WM_MOUSEWHEEL), 0);
}

TEST_F(X11Windows, SizesFollowBothWays) {
    HWND top = make(WS_CAPTION | WS_VISIBLE, nullptr, 100, 50, 400, 300, "Sized");
    HWND child = make(WS_CHILD | WS_VISIBLE, top, 0, 0, 400, 300);
    ASSERT_TRUE(pumpUntil([&] { return viewable(idOf(child)); }));
    char* name = nullptr;
    XFetchName(other, idOf(top), &name);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "Sized");
    XFree(name);
    XSizeHints hints;
    long supplied;
    ASSERT_TRUE(XGetWMNormalHints(other, idOf(top), &hints, &supplied));
    EXPECT_EQ(hints.min_width, 400);
    EXPECT_EQ(hints.max_width, 400);

    SetWindowPos(child, nullptr, 5, 6, 120, 80, SWP_NOZORDER);
    EXPECT_EQ(count(child, WM_SIZE), 2);  // at creation and now, at once
    XSync(other, False);
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(other, idOf(child), &a));
    EXPECT_EQ(a.x, 5);
    EXPECT_EQ(a.width, 120);
    EXPECT_EQ(a.height, 80);
    RECT r;
    ASSERT_TRUE(GetWindowRect(child, &r));
    EXPECT_EQ(r.left, 105);
    EXPECT_EQ(r.top, 56);
    EXPECT_EQ(r.right - r.left, 120);

    // Another client resizes it: WM_SIZE tells the new size.
    g_got.clear();
    XResizeWindow(other, idOf(child), 70, 60);
    XFlush(other);
    ASSERT_TRUE(pumpUntil([&] { return find(child, WM_SIZE) != nullptr; }));
    EXPECT_EQ(find(child, WM_SIZE)->lParam, MAKELPARAM(70, 60));
    ASSERT_TRUE(GetClientRect(child, &r));
    EXPECT_EQ(r.right, 70);
}

TEST_F(X11Windows, ExposureBecomesPaint) {
    HWND w = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 64, 64);
    ASSERT_TRUE(pumpUntil([&] { return find(w, WM_PAINT) != nullptr; }));
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(ps.rcPaint.right, 64);
    EXPECT_EQ(FillRect(dc, &ps.rcPaint, GetStockObject(BLACK_BRUSH)), 1);
    EXPECT_TRUE(EndPaint(w, &ps));
}

TEST_F(X11Windows, FocusLostToAnotherClientDeactivatesTheFullScreenPopupOnce) {
    HWND w = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 300, 300);
    ASSERT_TRUE(pumpUntil([&] {
        Window focus;
        int revert;
        XGetInputFocus(other, &focus, &revert);
        return focus == idOf(w);
    }));
    pump();
    Window intruder = foreignWindow(50, 50);
    XSetInputFocus(other, intruder, RevertToParent, CurrentTime);
    XSync(other, False);
    ASSERT_TRUE(pumpUntil([&] { return find(w, WM_ACTIVATE) != nullptr; }));
    EXPECT_EQ(find(w, WM_ACTIVATE)->wParam, WPARAM{0});
    XSetInputFocus(other, idOf(w), RevertToParent, CurrentTime);
    XSetInputFocus(other, intruder, RevertToParent, CurrentTime);
    XSync(other, False);
    pumpUntil([] { return false; }, 200);
    EXPECT_EQ(count(w, WM_ACTIVATE), 1);
    XDestroyWindow(other, intruder);
}

TEST_F(X11Windows, ChildOfAForeignWindowNoticesItsParentGoing) {
    Window parent = foreignWindow(320, 240);
    HWND hParent = hwndFromId(parent);
    ASSERT_TRUE(IsWindow(hParent));
    RECT r;
    ASSERT_TRUE(GetClientRect(hParent, &r));
    EXPECT_EQ(r.right, 320);
    HWND child = make(WS_CHILD | WS_VISIBLE, hParent, 0, 0, r.right, r.bottom);
    ASSERT_NE(child, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(child) && viewable(idOf(child)); }));

    XUnmapWindow(other, parent);
    XFlush(other);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindowVisible(hParent); }));
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(IsWindow(hParent));

    XDestroyWindow(other, parent);
    XFlush(other);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(hParent); }));
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(child); }));
    EXPECT_EQ(count(child, WM_DESTROY), 1);
    EXPECT_EQ(count(child, WM_NCDESTROY), 1);
    EXPECT_FALSE(GetClientRect(hParent, &r));
    EXPECT_FALSE(GetWindowRect(hParent, &r));
    EXPECT_FALSE(DestroyWindow(child));
    // A handle that names no window at all.
    EXPECT_FALSE(IsWindow(hwndFromId(0x3FFFFF7)));
    EXPECT_FALSE(IsWindowVisible(hwndFromId(0x3FFFFF7)));
    EXPECT_EQ(make(WS_CHILD | WS_VISIBLE, hwndFromId(0x3FFFFF7), 0, 0, 10, 10), nullptr);
}

TEST_F(X11Windows, OwnedPopupIsABorderlessTransientInScreenCoordinates) {
    HWND owner = make(WS_CAPTION | WS_VISIBLE, nullptr, 40, 40, 300, 200, "Owner");
    HWND popup = make(WS_POPUP, owner, 60, 70, 100, 50);
    ASSERT_NE(popup, nullptr);
    Window transientFor = 0;
    ASSERT_TRUE(XGetTransientForHint(other, idOf(popup), &transientFor));
    EXPECT_EQ(transientFor, idOf(owner));
    ShowWindow(popup, SW_SHOW);
    ASSERT_TRUE(pumpUntil([&] { return viewable(idOf(popup)); }));
    SetWindowPos(popup, nullptr, 80, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    XSync(other, False);
    RECT r;
    ASSERT_TRUE(GetWindowRect(popup, &r));
    EXPECT_EQ(r.left, 80);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right, 180);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));  // owned windows go with their owner
}

TEST_F(X11Windows, WaitWakesForInputAndPumpDispatches) {
    HWND w = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 50, 50);
    ASSERT_TRUE(pumpUntil([&] { return viewable(idOf(w)); }));
    pump();
    g_got.clear();
    XEvent e{};
    e.xbutton.type = ButtonPress;
    e.xbutton.window = idOf(w);
    e.xbutton.button = 1;
    XSendEvent(other, idOf(w), False, 0, &e);
    XFlush(other);
    int32_t start = platform::clockMillis();
    MSG m;
    while (!PeekMessageA(&m, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) &&
           platform::clockMillis() - start < 5000) {
        platform::waitForMessages(5000);
    }
    EXPECT_LT(platform::clockMillis() - start, 2000);
    platform::pumpX11Events();
    EXPECT_NE(find(w, WM_LBUTTONDOWN), nullptr);
}

}  // namespace
