// Window records of the in-memory backend: creation and destruction
// sequences, parents, owners and foreign windows, visibility and geometry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window.h"

namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    BOOL isWindowThen;
};
std::vector<Seen> g_seen;
LRESULT g_createResult = 0;
CREATESTRUCTA g_create{};

LRESULT CALLBACK_record(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CREATE) g_create = *reinterpret_cast<const CREATESTRUCTA*>(lp);
    g_seen.push_back(Seen{w, m, wp, lp, IsWindow(w)});
    if (m == WM_CREATE) return g_createResult;
    return DefWindowProcA(w, m, wp, lp);
}

class Windows : public testing::Test {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        platform::resetInMemoryWindows();
        platform::setInMemoryScreenSize(1920, 1080);
        g_seen.clear();
        g_createResult = 0;
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = CALLBACK_record;
        wc.lpszClassName = "Rec";
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }
    HWND make(DWORD style, HWND parent, int x = 0, int y = 0, int w = 100, int h = 50) {
        return CreateWindowExA(0, "Rec", "t", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
    }
    std::vector<std::pair<HWND, UINT>> sequence(std::initializer_list<UINT> only) {
        std::vector<std::pair<HWND, UINT>> out;
        for (const Seen& s : g_seen) {
            for (UINT m : only)
                if (s.message == m) out.emplace_back(s.window, s.message);
        }
        return out;
    }
};

TEST_F(Windows, ClassesAreRegisteredOnceAndMustExist) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = CALLBACK_record;
    wc.lpszClassName = "Rec";
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    EXPECT_EQ(CreateWindowExA(0, "Nope", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
}

TEST_F(Windows, CreationSendsCreateThenSizeAndMoveThenShows) {
    int tag = 7;
    HWND w = CreateWindowExA(0, "Rec", "title", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                             nullptr, &tag);
    ASSERT_NE(w, nullptr);
    ASSERT_GE(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].message, WM_CREATE);
    EXPECT_TRUE(g_seen[0].isWindowThen);
    EXPECT_EQ(g_create.lpCreateParams, &tag);
    EXPECT_EQ(g_create.cx, 640);
    EXPECT_EQ(std::string(g_create.lpszClass), "Rec");
    EXPECT_EQ(g_seen[1].message, WM_SIZE);
    EXPECT_EQ(LOWORD(g_seen[1].lParam), 640);
    EXPECT_EQ(HIWORD(g_seen[1].lParam), 480);
    EXPECT_EQ(g_seen[2].message, WM_MOVE);
    EXPECT_TRUE(IsWindowVisible(w));
}

TEST_F(Windows, CreateAnsweringMinusOneFailsAndDestroys) {
    g_createResult = -1;
    EXPECT_EQ(make(WS_POPUP, nullptr), nullptr);
    auto seq = sequence({WM_CREATE, WM_SIZE, WM_DESTROY, WM_NCDESTROY});
    ASSERT_EQ(seq.size(), 3u);
    EXPECT_EQ(seq[1].second, UINT{WM_DESTROY});
    EXPECT_EQ(seq[2].second, UINT{WM_NCDESTROY});
    EXPECT_FALSE(IsWindow(seq[0].first));
}

TEST_F(Windows, ChildNeedsAnExistingParent) {
    EXPECT_EQ(make(WS_CHILD, nullptr), nullptr);
    EXPECT_EQ(make(WS_CHILD, hwndFromId(0xDEAD0)), nullptr);
}

TEST_F(Windows, DestructionOrderCoversOwnedPopupsAndChildren) {
    HWND top = make(WS_CAPTION, nullptr);
    HWND child = make(WS_CHILD, top);
    HWND grandchild = make(WS_CHILD, child);
    HWND owned = make(WS_POPUP, top);
    g_seen.clear();
    ASSERT_TRUE(DestroyWindow(top));
    using P = std::pair<HWND, UINT>;
    EXPECT_EQ(sequence({WM_DESTROY, WM_NCDESTROY}),
              (std::vector<P>{{owned, WM_DESTROY}, {owned, WM_NCDESTROY}, {top, WM_DESTROY},
                              {child, WM_DESTROY}, {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                              {child, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
    for (const Seen& s : g_seen) EXPECT_TRUE(s.isWindowThen) << s.message;
    for (HWND w : {top, child, grandchild, owned}) EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(Windows, CloseThroughDefaultProcessingDestroys) {
    HWND w = make(WS_POPUP, nullptr);
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(Windows, VisibilityFollowsAncestors) {
    HWND top = make(WS_CAPTION, nullptr);
    HWND child = make(WS_CHILD | WS_VISIBLE, top);
    EXPECT_FALSE(IsWindowVisible(child));  // the parent is still hidden
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(top, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_FALSE(IsWindowVisible(hwndFromId(0xDEAD0)));
}

TEST_F(Windows, GeometryInClientAndScreenCoordinates) {
    HWND top = make(WS_CAPTION, nullptr, 100, 200, 400, 300);
    HWND child = make(WS_CHILD, top, 10, 20, 50, 60);
    RECT r;
    ASSERT_TRUE(GetWindowRect(child, &r));
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 220);
    EXPECT_EQ(r.right, 160);
    EXPECT_EQ(r.bottom, 280);
    ASSERT_TRUE(GetClientRect(top, &r));
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 300);
    EXPECT_FALSE(GetClientRect(hwndFromId(0xDEAD0), &r));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
}

TEST_F(Windows, SetWindowPosSendsSizeOnlyWhenTheSizeChanges) {
    struct Case {
        int x, y, cx, cy;
        UINT flags;
        RECT expect;
        int sizes, moves;
    };
    const Case cases[] = {
        {5, 6, 999, 999, SWP_NOSIZE | SWP_NOZORDER, {5, 6, 105, 56}, 0, 1},
        {999, 999, 30, 40, SWP_NOMOVE, {0, 0, 30, 40}, 1, 0},
        {0, 0, 100, 50, 0, {0, 0, 100, 50}, 0, 0},
        {1, 2, 3, 4, 0, {1, 2, 4, 6}, 1, 1},
    };
    for (const Case& c : cases) {
        HWND w = make(WS_POPUP, nullptr);
        g_seen.clear();
        ASSERT_TRUE(SetWindowPos(w, nullptr, c.x, c.y, c.cx, c.cy, c.flags));
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, c.expect.left);
        EXPECT_EQ(r.top, c.expect.top);
        EXPECT_EQ(r.right, c.expect.right);
        EXPECT_EQ(r.bottom, c.expect.bottom);
        EXPECT_EQ(sequence({WM_SIZE}).size(), size_t(c.sizes));
        EXPECT_EQ(sequence({WM_MOVE}).size(), size_t(c.moves));
        DestroyWindow(w);
    }
    HWND w = make(WS_POPUP, nullptr);
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(w));
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(Windows, ChildOfAForeignWindowFollowsItsParent) {
    HWND parent = platform::createInMemoryForeignWindow(320, 200);
    ASSERT_TRUE(IsWindow(parent));
    RECT r;
    ASSERT_TRUE(GetClientRect(parent, &r));
    EXPECT_EQ(r.right, 320);
    HWND child = make(WS_CHILD | WS_VISIBLE, parent, 0, 0, r.right, r.bottom);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(IsWindowVisible(child));
    platform::setInMemoryForeignVisible(parent, false);
    EXPECT_FALSE(IsWindowVisible(parent));
    EXPECT_FALSE(IsWindowVisible(child));
    g_seen.clear();
    platform::destroyInMemoryForeignWindow(parent);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(sequence({WM_DESTROY, WM_NCDESTROY}).size(), 2u);
}

TEST_F(Windows, CursorCountHidesBelowZero) {
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_TRUE(platform::cursorHidden());
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_TRUE(platform::cursorHidden());
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_FALSE(platform::cursorHidden());
}

}  // namespace
