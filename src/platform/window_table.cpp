// Window classes, the table of our live windows, the choice of backend and
// the cursor's display counter.
#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "platform/window_internal.h"

namespace platform {
namespace {

struct ClassRecord {
    UINT style;
    WNDPROC proc;
};

WindowBackend g_backend = WindowBackend::X11;
std::unique_ptr<detail::NativeWindows> g_native;

std::map<std::string, ClassRecord>& classes() {
    static std::map<std::string, ClassRecord> c;
    return c;
}

// Our windows by handle, and their creation order.
std::map<HWND, detail::WindowRecord>& records() {
    static std::map<HWND, detail::WindowRecord> r;
    return r;
}
std::vector<HWND>& order() {
    static std::vector<HWND> o;
    return o;
}

int g_cursorCount = 0;

}  // namespace

void setWindowBackend(WindowBackend backend) {
    if (backend == g_backend && g_native) return;
    g_backend = backend;
    g_native.reset();
}

WindowBackend windowBackend() { return g_backend; }

bool cursorHidden() { return g_cursorCount < 0; }

namespace detail {

NativeWindows& native() {
    if (!g_native) {
        g_native.reset(g_backend == WindowBackend::X11 ? makeX11Windows() : makeInMemoryWindows());
    }
    return *g_native;
}

WindowRecord* findWindow(HWND window) {
    auto it = records().find(window);
    return it == records().end() ? nullptr : &it->second;
}

std::vector<HWND> ourWindows() { return order(); }

WindowRecord& addWindow(const WindowRecord& rec) {
    order().push_back(rec.hwnd);
    return records()[rec.hwnd] = rec;
}

void forgetWindow(HWND window) {
    records().erase(window);
    auto& o = order();
    o.erase(std::remove(o.begin(), o.end(), window), o.end());
}

bool cursorHiddenNow() { return g_cursorCount < 0; }

void resetCursorCount() { g_cursorCount = 0; }

bool lookUpClass(const char* name, WNDPROC* proc, UINT* style) {
    if (!name) return false;
    auto it = classes().find(name);
    if (it == classes().end()) return false;
    *proc = it->second.proc;
    *style = it->second.style;
    return true;
}

void resetTable() {
    classes().clear();
    records().clear();
    order().clear();
    g_cursorCount = 0;
}

}  // namespace detail
}  // namespace platform

HINSTANCE GetModuleHandleA(const char* name) {
    // The program's own module is the only one there is.
    static char module;
    return name ? nullptr : reinterpret_cast<HINSTANCE>(&module);
}

HCURSOR LoadCursorA(HINSTANCE, const char* name) {
    // System cursors are named by small integers; the value itself is the
    // handle (the arrow is what our windows show anyway).
    return reinterpret_cast<HCURSOR>(const_cast<char*>(name));
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA) || !wc->lpszClassName || !*wc->lpszClassName ||
        !wc->lpfnWndProc) {
        return 0;
    }
    auto& c = platform::classes();
    if (c.count(wc->lpszClassName)) return 0;  // a class exists once per process
    c[wc->lpszClassName] = platform::ClassRecord{wc->style, wc->lpfnWndProc};
    return static_cast<ATOM>(0xC000 + c.size());
}

int ShowCursor(BOOL show) {
    bool wasHidden = platform::g_cursorCount < 0;
    platform::g_cursorCount += show ? 1 : -1;
    bool hidden = platform::g_cursorCount < 0;
    if (hidden != wasHidden) platform::detail::native().setCursorHidden(hidden);
    return platform::g_cursorCount;
}

HWND GetDesktopWindow() { return platform::detail::native().desktop(); }
