// The in-memory window backend: windows are the shared records and nothing
// else, foreign windows are records of their own here, input is injected by
// tests, and waiting waits only for the termination pipe and the timeout.
#include <poll.h>

#include <map>

#include "platform/window_internal.h"

namespace platform {
namespace {

int g_screenWidth = 1920;
int g_screenHeight = 1080;

struct Foreign {
    int width;
    int height;
    bool visible;
};

class InMemoryWindows : public detail::NativeWindows {
public:
    std::map<HWND, Foreign> foreign;

    bool create(detail::WindowRecord& rec) override {
        next_ += 0x10;
        rec.hwnd = hwndFromId(next_);
        return true;
    }
    void destroy(detail::WindowRecord&) override {}
    void show(detail::WindowRecord&, bool) override {}
    void move(detail::WindowRecord&, int, int, int, int) override {}

    bool windowRect(const detail::WindowRecord& rec, RECT* out) override {
        POINT origin;
        if (!clientOrigin(rec, &origin)) return false;
        *out = RECT{origin.x, origin.y, origin.x + rec.rect.right - rec.rect.left,
                    origin.y + rec.rect.bottom - rec.rect.top};
        return true;
    }
    bool clientOrigin(const detail::WindowRecord& rec, POINT* out) override {
        POINT base{0, 0};
        if (rec.kind == detail::WindowKind::Child && !rec.parentForeign) {
            const detail::WindowRecord* parent = detail::findWindow(rec.parent);
            if (!parent || !clientOrigin(*parent, &base)) return false;
        }
        *out = POINT{base.x + rec.rect.left, base.y + rec.rect.top};
        return true;
    }

    bool foreignExists(HWND window) override { return foreign.count(window) != 0; }
    bool foreignVisible(HWND window) override {
        auto it = foreign.find(window);
        return it != foreign.end() && it->second.visible;
    }
    bool foreignClientSize(HWND window, int* width, int* height) override {
        auto it = foreign.find(window);
        if (it == foreign.end()) return false;
        *width = it->second.width;
        *height = it->second.height;
        return true;
    }
    bool foreignWindowRect(HWND window, RECT* out) override {
        int w, h;
        if (!foreignClientSize(window, &w, &h)) return false;
        *out = RECT{0, 0, w, h};
        return true;
    }
    void watchForeign(HWND) override {}

    void screenSize(int* width, int* height) override {
        *width = g_screenWidth;
        *height = g_screenHeight;
    }
    POINT primaryOrigin() override { return POINT{0, 0}; }
    HWND desktop() override { return hwndFromId(0x8); }
    void setCursorHidden(bool) override {}
    void fillRect(HWND, const RECT&) override {}
    void pumpEvents() override {}
    void wait(int timeoutMs, int wakeFd) override {
        pollfd fd{wakeFd, POLLIN, 0};
        poll(&fd, wakeFd >= 0 ? 1 : 0, timeoutMs);
    }
    int connectionFd() override { return -1; }

    HWND newForeign(int width, int height) {
        next_ += 0x10;
        HWND h = hwndFromId(next_);
        foreign[h] = Foreign{width, height, true};
        return h;
    }

private:
    uintptr_t next_ = 0x10000;
};

InMemoryWindows* memory() {
    if (windowBackend() != WindowBackend::InMemory) return nullptr;
    return dynamic_cast<InMemoryWindows*>(&detail::native());
}

}  // namespace

namespace detail {
NativeWindows* makeInMemoryWindows() { return new InMemoryWindows; }
}  // namespace detail

void setInMemoryScreenSize(int width, int height) {
    g_screenWidth = width;
    g_screenHeight = height;
}

void injectInMemoryInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!memory() || !detail::findWindow(window)) return;
    if (message == WM_MOUSEMOVE) {
        detail::queueMouseMove(window, wParam, lParam);
    } else {
        detail::queueMessage(window, message, wParam, lParam);
    }
}

void injectInMemoryMonitorPower(bool off) {
    if (memory()) detail::postMonitorPower(off ? 2 : 1);
}

HWND createInMemoryForeignWindow(int width, int height) {
    InMemoryWindows* m = memory();
    return m ? m->newForeign(width, height) : nullptr;
}

void setInMemoryForeignVisible(HWND window, bool visible) {
    InMemoryWindows* m = memory();
    if (!m) return;
    auto it = m->foreign.find(window);
    if (it != m->foreign.end()) it->second.visible = visible;
}

void destroyInMemoryForeignWindow(HWND window) {
    InMemoryWindows* m = memory();
    if (!m || !m->foreign.erase(window)) return;
    for (HWND ours : detail::ourWindows()) {
        const detail::WindowRecord* rec = detail::findWindow(ours);
        if (rec && rec->parentForeign && rec->parent == window && rec->kind == detail::WindowKind::Child) {
            detail::nativeWindowGone(ours);
        }
    }
}

void resetInMemoryWindows() {
    InMemoryWindows* m = memory();
    if (!m) return;
    m->foreign.clear();
    detail::resetTable();
    detail::resetQueue();
    detail::resetSurfaces();
}

}  // namespace platform
