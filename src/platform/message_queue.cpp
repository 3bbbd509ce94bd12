// The one message queue of the process: posted and input messages in order,
// window timers that become WM_TIMER when due, synchronous sending, and the
// waiting that loops do between frames.
#include <algorithm>
#include <deque>
#include <vector>

#include "platform/clock.h"
#include "platform/window_internal.h"

namespace platform {
namespace {

struct Timer {
    HWND window;
    uintptr_t id;
    int32_t elapse;
    int32_t due;
};

std::deque<MSG>& queue() {
    static std::deque<MSG> q;
    return q;
}
std::vector<Timer>& timers() {
    static std::vector<Timer> t;
    return t;
}
uintptr_t g_nextThreadTimerId = 0x7000;

bool isSameOrDescendant(HWND window, HWND ancestor) {
    for (int depth = 0; window && depth < 64; ++depth) {
        if (window == ancestor) return true;
        const detail::WindowRecord* rec = detail::findWindow(window);
        if (!rec || rec->kind != detail::WindowKind::Child) return false;
        window = rec->parent;
    }
    return false;
}

bool matches(HWND window, UINT message, HWND filter, UINT minMsg, UINT maxMsg) {
    if (filter && !isSameOrDescendant(window, filter)) return false;
    if (minMsg == 0 && maxMsg == 0) return true;
    return message >= minMsg && message <= maxMsg;
}

MSG makeMsg(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG m{};
    m.hwnd = window;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = static_cast<DWORD>(detail::nowMillis());
    return m;
}

}  // namespace

namespace detail {

int32_t nowMillis() { return clockMillis(); }

void queueMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    queue().push_back(makeMsg(window, message, wParam, lParam));
}

void queueCoalesced(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (MSG& m : queue()) {
        if (m.hwnd == window && m.message == message) {
            m.wParam = wParam;
            m.lParam = lParam;
            return;
        }
    }
    queueMessage(window, message, wParam, lParam);
}

void queueMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (!queue().empty()) {
        MSG& last = queue().back();
        if (last.hwnd == window && last.message == WM_MOUSEMOVE) {
            last.wParam = wParam;
            last.lParam = lParam;
            return;
        }
    }
    queueMessage(window, WM_MOUSEMOVE, wParam, lParam);
}

bool queueHasMessages() { return !queue().empty(); }

void purgeMessages(HWND window) {
    auto& q = queue();
    q.erase(std::remove_if(q.begin(), q.end(), [&](const MSG& m) { return m.hwnd == window; }), q.end());
}

void killTimersOf(HWND window) {
    auto& t = timers();
    t.erase(std::remove_if(t.begin(), t.end(), [&](const Timer& x) { return x.window == window; }), t.end());
}

void resetQueue() {
    queue().clear();
    timers().clear();
}

}  // namespace detail

int millisUntilNextTimer() {
    if (timers().empty()) return -1;
    int32_t now = detail::nowMillis();
    int32_t best = INT32_MAX;
    for (const Timer& t : timers()) best = std::min(best, t.due - now);
    return std::max<int32_t>(best, 0);
}

void waitForMessages(int timeoutMs) {
    if (terminationRequested()) return;
    detail::native().pumpEvents();
    if (detail::queueHasMessages()) return;
    int timer = millisUntilNextTimer();
    if (timer == 0) return;
    if (timer > 0 && (timeoutMs < 0 || timer < timeoutMs)) timeoutMs = timer;
    if (timeoutMs == 0) return;
    detail::native().wait(timeoutMs, detail::terminationWakeFd());
    detail::native().pumpEvents();
}

void pumpX11Events() {
    if (windowBackend() != WindowBackend::X11) return;
    // Bounded, so that a handler that posts on every message cannot keep
    // the caller's own loop from running.
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int x11ConnectionFd() {
    if (windowBackend() != WindowBackend::X11) return -1;
    return detail::native().connectionFd();
}

}  // namespace platform

using platform::detail::findWindow;

BOOL PeekMessageA(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg, UINT removeFlags) {
    if (!msg) return FALSE;
    platform::detail::native().pumpEvents();
    auto& q = platform::queue();
    for (auto it = q.begin(); it != q.end(); ++it) {
        if (!platform::matches(it->hwnd, it->message, filter, minMsg, maxMsg)) continue;
        *msg = *it;
        if (removeFlags & PM_REMOVE) q.erase(it);
        return TRUE;
    }
    int32_t now = platform::detail::nowMillis();
    for (platform::Timer& t : platform::timers()) {
        if (now - t.due < 0 || !platform::matches(t.window, WM_TIMER, filter, minMsg, maxMsg)) continue;
        *msg = platform::makeMsg(t.window, WM_TIMER, t.id, 0);
        if (removeFlags & PM_REMOVE) t.due = now + t.elapse;
        return TRUE;
    }
    return FALSE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A null window posts to the thread; a window must be one of ours.
    if (window && !findWindow(window)) return FALSE;
    platform::detail::queueMessage(window, message, wParam, lParam);
    return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const platform::detail::WindowRecord* rec = findWindow(window);
    if (!rec) return 0;
    WNDPROC proc = rec->proc;
    return proc(window, message, wParam, lParam);
}

BOOL TranslateMessage(const MSG* msg) {
    // Character messages are not produced; report whether it was a key.
    if (!msg) return FALSE;
    switch (msg->message) {
        case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: return TRUE;
        default: return FALSE;
    }
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        default: return 0;
    }
}

uintptr_t SetTimer(HWND window, uintptr_t id, UINT elapseMs, void* callback) {
    if (callback) return 0;  // timer procedures are not supported
    if (window && !findWindow(window)) return 0;
    if (!window) id = ++platform::g_nextThreadTimerId;
    int32_t elapse = static_cast<int32_t>(std::max<UINT>(std::min<UINT>(elapseMs, 0x7FFFFFFF), 10));
    int32_t due = platform::detail::nowMillis() + elapse;
    for (platform::Timer& t : platform::timers()) {
        if (t.window == window && t.id == id) {
            t.elapse = elapse;
            t.due = due;
            return id;
        }
    }
    platform::timers().push_back(platform::Timer{window, id, elapse, due});
    return window ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND window, uintptr_t id) {
    auto& t = platform::timers();
    auto it = std::find_if(t.begin(), t.end(), [&](const platform::Timer& x) {
        return x.window == window && x.id == id;
    });
    if (it == t.end()) return FALSE;
    t.erase(it);
    return TRUE;
}
