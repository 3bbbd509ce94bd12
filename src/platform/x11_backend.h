// The X11 window backend: our windows are X windows on the one connection,
// X events become queued messages, foreign windows are watched for their
// destruction and mapping.
#pragma once

#include <X11/Xlib.h>

#include <map>

#include "platform/window_internal.h"

namespace platform {
namespace x11 {

class X11Windows : public detail::NativeWindows {
public:
    explicit X11Windows(Display* display);
    ~X11Windows() override;

    bool create(detail::WindowRecord& rec) override;
    void destroy(detail::WindowRecord& rec) override;
    void show(detail::WindowRecord& rec, bool visible) override;
    void move(detail::WindowRecord& rec, int x, int y, int width, int height) override;
    bool windowRect(const detail::WindowRecord& rec, RECT* out) override;
    bool clientOrigin(const detail::WindowRecord& rec, POINT* out) override;
    bool foreignExists(HWND window) override;
    bool foreignVisible(HWND window) override;
    bool foreignClientSize(HWND window, int* width, int* height) override;
    bool foreignWindowRect(HWND window, RECT* out) override;
    void watchForeign(HWND window) override;
    void screenSize(int* width, int* height) override;
    POINT primaryOrigin() override;
    HWND desktop() override;
    void setCursorHidden(bool hidden) override;
    void fillRect(HWND window, const RECT& rect) override;
    void pumpEvents() override;
    void wait(int timeoutMs, int wakeFd) override;
    int connectionFd() override;

private:
    // What we know of one of our windows beyond its record.
    struct Ours {
        bool fullScreen = false;
        bool hadFocus = false;
        bool focusLossReported = false;
    };
    // A foreign window we watch: its state as its events tell it.
    struct Watched {
        bool gone = false;
        bool viewable = false;
        int32_t checkedAt = 0;
    };

    void handle(XEvent& event);              // x11_events.cpp
    void handleFocusOut(Window window, const XFocusChangeEvent& e);
    void pollMonitorPower();
    void setManagedHints(const detail::WindowRecord& rec, int x, int y, int width, int height);
    bool queryForeign(Window window, XWindowAttributes* attributes);
    Watched* watched(Window window);
    bool isOurs(Window window) const;

    Display* d_;
    Window root_;
    Cursor blankCursor_ = 0;
    GC blackGc_ = nullptr;
    Colormap glColormap_ = 0;
    std::map<Window, Ours> ours_;
    std::map<Window, Watched> watched_;
    bool dpms_ = false;
    detail::MonitorPowerWatch powerWatch_;
    int32_t nextPowerPoll_ = 0;
};

}  // namespace x11
}  // namespace platform
