// The message queue on the in-memory backend: posting, filtering, removal,
// dispatch, coalescing, timers, waiting and termination.
#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "platform/clock.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace {

std::vector<MSG> g_dispatched;
constexpr UINT WM_USER_ECHO = 0x0400;  // answers twice its wParam

LRESULT CALLBACK_queue(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    MSG msg{};
    msg.hwnd = w;
    msg.message = m;
    msg.wParam = wp;
    msg.lParam = lp;
    g_dispatched.push_back(msg);
    return m == WM_USER_ECHO ? static_cast<LRESULT>(wp * 2) : DefWindowProcA(w, m, wp, lp);
}

class Queue : public testing::Test {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        platform::resetInMemoryWindows();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = CALLBACK_queue;
        wc.lpszClassName = "Q";
        RegisterClassExA(&wc);
        top = CreateWindowExA(0, "Q", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        child = CreateWindowExA(0, "Q", "", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
        other = CreateWindowExA(0, "Q", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        g_dispatched.clear();
    }
    std::vector<UINT> drain(HWND filter = nullptr, UINT lo = 0, UINT hi = 0) {
        std::vector<UINT> out;
        MSG m;
        while (PeekMessageA(&m, filter, lo, hi, PM_REMOVE)) out.push_back(m.message);
        return out;
    }
    HWND top, child, other;
};

TEST_F(Queue, PeekFiltersByWindowFamilyAndRange) {
    PostMessageA(top, WM_KEYDOWN, 1, 0);
    PostMessageA(other, WM_KEYUP, 2, 0);
    PostMessageA(child, WM_LBUTTONDOWN, 3, 0);
    PostMessageA(nullptr, WM_QUIT, 0, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, UINT{WM_KEYDOWN});
    EXPECT_EQ(drain(top), (std::vector<UINT>{WM_KEYDOWN, WM_LBUTTONDOWN}));
    EXPECT_EQ(drain(nullptr, WM_QUIT, WM_QUIT), (std::vector<UINT>{WM_QUIT}));
    EXPECT_EQ(drain(), (std::vector<UINT>{WM_KEYUP}));
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, PostingToAWindowThatIsNotOursFails) {
    EXPECT_FALSE(PostMessageA(hwndFromId(0xDEAD0), WM_NULL, 0, 0));
    DestroyWindow(other);
    EXPECT_FALSE(PostMessageA(other, WM_NULL, 0, 0));
}

TEST_F(Queue, DestroyingAWindowDropsItsQueuedMessages) {
    PostMessageA(child, WM_KEYDOWN, 0, 0);
    PostMessageA(other, WM_KEYDOWN, 0, 0);
    DestroyWindow(top);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.hwnd, other);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, DispatchAndSendReachTheWindowProcedure) {
    EXPECT_EQ(SendMessageA(top, WM_USER_ECHO, 21, 0), 42);
    EXPECT_EQ(SendMessageA(hwndFromId(0xDEAD0), WM_USER_ECHO, 21, 0), 0);
    PostMessageA(child, WM_KEYDOWN, 0x41, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(TranslateMessage(&m));
    DispatchMessageA(&m);
    ASSERT_EQ(g_dispatched.size(), 2u);
    EXPECT_EQ(g_dispatched[1].hwnd, child);
    EXPECT_EQ(g_dispatched[1].wParam, WPARAM{0x41});
    m.hwnd = nullptr;  // thread messages go to no procedure
    EXPECT_EQ(DispatchMessageA(&m), 0);
    EXPECT_EQ(g_dispatched.size(), 2u);
}

TEST_F(Queue, InjectedMouseMovesCoalesceOnlyWhileLast) {
    platform::injectInMemoryInput(top, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    platform::injectInMemoryInput(top, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    platform::injectInMemoryInput(top, WM_KEYDOWN, VK_SHIFT, 0);
    platform::injectInMemoryInput(top, WM_MOUSEMOVE, 0, MAKELPARAM(-3, 4));
    std::vector<std::pair<UINT, LPARAM>> got;
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) got.emplace_back(m.message, m.lParam);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].second, MAKELPARAM(2, 2));
    EXPECT_EQ(got[1].first, UINT{WM_KEYDOWN});
    EXPECT_EQ(GET_X_LPARAM(got[2].second), -3);
    EXPECT_EQ(GET_Y_LPARAM(got[2].second), 4);
}

TEST_F(Queue, MonitorPowerGoesToTheFullScreenPopup) {
    HWND owned = CreateWindowExA(0, "Q", "", WS_POPUP, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    ASSERT_NE(owned, nullptr);
    platform::injectInMemoryMonitorPower(true);
    platform::injectInMemoryMonitorPower(false);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.hwnd, top);
    EXPECT_EQ(m.message, UINT{WM_SYSCOMMAND});
    EXPECT_EQ(m.wParam, WPARAM{SC_MONITORPOWER});
    EXPECT_EQ(m.lParam, 2);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.lParam, 1);
}

// Waits through waitForMessages until a WM_TIMER can be removed.
bool nextTimer(MSG* m, int limitMs) {
    int32_t end = platform::clockMillis() + limitMs;
    while (platform::clockMillis() < end) {
        if (PeekMessageA(m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) return true;
        platform::waitForMessages(end - platform::clockMillis());
    }
    return false;
}

TEST_F(Queue, TimersFireWhenDueOncePerPeriod) {
    int32_t start = platform::clockMillis();
    ASSERT_EQ(SetTimer(top, 5, 20, nullptr), uintptr_t{5});
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    ASSERT_TRUE(nextTimer(&m, 2000));
    EXPECT_GE(platform::clockMillis() - start, 20);
    EXPECT_EQ(m.hwnd, top);
    EXPECT_EQ(m.wParam, WPARAM{5});
    // Right after firing it is not due again, however late it was taken.
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_GE(platform::millisUntilNextTimer(), 1);
    EXPECT_TRUE(KillTimer(top, 5));
    EXPECT_FALSE(KillTimer(top, 5));
    EXPECT_EQ(platform::millisUntilNextTimer(), -1);
}

TEST_F(Queue, TimersAreFilteredAndDieWithTheirWindow) {
    SetTimer(child, 1, 10, nullptr);
    SetTimer(child, 1, 10, nullptr);  // the same timer again, not a second one
    MSG m;
    ASSERT_TRUE(nextTimer(&m, 2000));
    EXPECT_EQ(m.hwnd, child);
    EXPECT_EQ(SetTimer(hwndFromId(0xDEAD0), 1, 10, nullptr), uintptr_t{0});
    uintptr_t threadTimer = SetTimer(nullptr, 0, 10, nullptr);
    EXPECT_NE(threadTimer, uintptr_t{0});
    KillTimer(nullptr, threadTimer);
    DestroyWindow(top);
    EXPECT_EQ(platform::millisUntilNextTimer(), -1);
}

TEST_F(Queue, WaitReturnsAtOnceForQueuedMessagesAndAfterTheTimeout) {
    PostMessageA(top, WM_NULL, 0, 0);
    int32_t start = platform::clockMillis();
    platform::waitForMessages(5000);
    EXPECT_LT(platform::clockMillis() - start, 1000);
    drain();
    start = platform::clockMillis();
    platform::waitForMessages(30);
    EXPECT_GE(platform::clockMillis() - start, 30);
}

TEST(Termination, SignalSetsTheFlagAndWakesWaits) {
    EXPECT_EXIT(
        {
            platform::setWindowBackend(platform::WindowBackend::InMemory);
            platform::installTerminationHandler();
            bool before = platform::terminationRequested();
            std::raise(SIGTERM);
            int32_t start = platform::clockMillis();
            platform::waitForMessages(5000);
            bool quick = platform::clockMillis() - start < 1000;
            std::exit(!before && platform::terminationRequested() && quick ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

}  // namespace

namespace {

TEST(MonitorPower, PostsOnEachDropToLowPowerOrOff) {
    platform::detail::MonitorPowerWatch watch;
    struct Step {
        int level;
        LPARAM post;
    };
    const Step steps[] = {{0, 0}, {1, 1}, {1, 0}, {2, 2}, {2, 0}, {-1, 0}, {2, 0}, {0, 0}, {2, 2}};
    for (const Step& s : steps) EXPECT_EQ(watch.next(s.level), s.post) << "level " << s.level;
}

}  // namespace
