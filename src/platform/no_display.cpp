// The window backend when no X display can be opened: a valid object in a
// failed state. No window can be made, no foreign window exists, the screen
// has no size, and waiting waits only for termination and the timeout.
#include <poll.h>

#include "platform/gl_internal.h"
#include "platform/window_internal.h"

namespace platform {
namespace detail {
namespace {

class NoDisplayWindows : public NativeWindows {
public:
    bool create(WindowRecord&) override { return false; }
    void destroy(WindowRecord&) override {}
    void show(WindowRecord&, bool) override {}
    void move(WindowRecord&, int, int, int, int) override {}
    bool windowRect(const WindowRecord&, RECT*) override { return false; }
    bool clientOrigin(const WindowRecord&, POINT*) override { return false; }
    bool foreignExists(HWND) override { return false; }
    bool foreignVisible(HWND) override { return false; }
    bool foreignClientSize(HWND, int*, int*) override { return false; }
    bool foreignWindowRect(HWND, RECT*) override { return false; }
    void watchForeign(HWND) override {}
    void screenSize(int* width, int* height) override { *width = *height = 0; }
    POINT primaryOrigin() override { return POINT{0, 0}; }
    HWND desktop() override { return nullptr; }
    void setCursorHidden(bool) override {}
    void fillRect(HWND, const RECT&) override {}
    void pumpEvents() override {}
    void wait(int timeoutMs, int wakeFd) override {
        pollfd fd{wakeFd, POLLIN, 0};
        poll(&fd, wakeFd >= 0 ? 1 : 0, timeoutMs);
    }
    int connectionFd() override { return -1; }
};

class NoDisplaySurfaces : public GlSurfaces {
public:
    const std::vector<PIXELFORMATDESCRIPTOR>& formatsFor(HWND) override { return none_; }
    bool setFormat(HWND, int) override { return false; }
    HGLRC createContext(HWND) override { return nullptr; }
    bool makeCurrent(HWND, HGLRC) override { return false; }
    bool swap(HWND) override { return false; }
    void forget(HWND) override {}

private:
    std::vector<PIXELFORMATDESCRIPTOR> none_;
};

}  // namespace

NativeWindows* makeNoDisplayWindows() { return new NoDisplayWindows; }
GlSurfaces* makeNoDisplaySurfaces() { return new NoDisplaySurfaces; }

}  // namespace detail
}  // namespace platform
