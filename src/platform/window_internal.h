// Inside the window layer: the window records both backends share, the
// message queue's entry points for backends, and the interface through which
// the shared code asks a backend to make, move and watch native windows.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

namespace platform {
namespace detail {

enum class WindowKind {
    FullScreenPopup,  // WS_POPUP without parent
    OwnedPopup,       // WS_POPUP with a parent (its owner)
    Child,            // WS_CHILD inside a parent (ours or foreign)
    Captioned,        // WS_CAPTION: managed top-level with a title
};

struct WindowRecord {
    HWND hwnd = nullptr;
    std::string className;
    WNDPROC proc = nullptr;
    UINT classStyle = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string title;
    WindowKind kind = WindowKind::Captioned;
    HWND parent = nullptr;  // the parent of a child, the owner of a popup
    bool parentForeign = false;
    // Child: in the parent's client coordinates. Others: screen coordinates
    // of the client area (which is the whole window where nothing frames it).
    RECT rect{};
    bool visible = false;
    bool destroying = false;
};

// What a backend does natively. The shared code keeps the records, sends the
// messages and calls these for the native side.
class NativeWindows {
public:
    virtual ~NativeWindows() = default;
    // Makes the native window for rec (not yet shown) and sets rec.hwnd.
    virtual bool create(WindowRecord& rec) = 0;
    virtual void destroy(WindowRecord& rec) = 0;
    virtual void show(WindowRecord& rec, bool visible) = 0;
    virtual void move(WindowRecord& rec, int x, int y, int width, int height) = 0;
    // Screen rectangle of the whole window (frame included).
    virtual bool windowRect(const WindowRecord& rec, RECT* out) = 0;
    // Screen position of the client area's origin.
    virtual bool clientOrigin(const WindowRecord& rec, POINT* out) = 0;
    // Windows that are not ours.
    virtual bool foreignExists(HWND window) = 0;
    virtual bool foreignVisible(HWND window) = 0;
    virtual bool foreignClientSize(HWND window, int* width, int* height) = 0;
    virtual bool foreignWindowRect(HWND window, RECT* out) = 0;
    // Wants to hear when a foreign parent vanishes or is hidden.
    virtual void watchForeign(HWND window) = 0;
    virtual void screenSize(int* width, int* height) = 0;
    // Offset of the primary monitor inside the screen.
    virtual POINT primaryOrigin() = 0;
    virtual HWND desktop() = 0;
    virtual void setCursorHidden(bool hidden) = 0;
    virtual void fillRect(HWND window, const RECT& rect) = 0;
    // Turns pending native events into queued messages.
    virtual void pumpEvents() = 0;
    // Blocks up to timeoutMs for native input or a byte on wakeFd.
    virtual void wait(int timeoutMs, int wakeFd) = 0;
    virtual int connectionFd() = 0;
};

NativeWindows& native();
NativeWindows* makeInMemoryWindows();
NativeWindows* makeX11Windows();

bool lookUpClass(const char* name, WNDPROC* proc, UINT* style);
void resetTable();

// Records of our live windows (including ones being destroyed).
WindowRecord* findWindow(HWND window);
std::vector<HWND> ourWindows();  // in creation order
void forgetWindow(HWND window);
WindowRecord& addWindow(const WindowRecord& rec);

// A native window went away by itself (e.g. with a foreign parent): runs the
// destruction messages without asking the backend to destroy it.
void nativeWindowGone(HWND window);
// The native side resized or moved a window: updates the record and posts
// WM_SIZE when the size changed.
void nativeGeometryChanged(HWND window, int x, int y, int width, int height);

// Posts WM_SYSCOMMAND/SC_MONITORPOWER with lParam (1 low power, 2 off) to
// the full-screen popup, else to our newest window, else to the thread.
void postMonitorPower(LPARAM lParam);

// Turns successive readings of the display's power level (0 on, 1 standby
// or suspend, 2 off, -1 unknown) into the SC_MONITORPOWER lParam to post:
// the new level when it drops to 1 or 2, 0 (nothing) otherwise.
class MonitorPowerWatch {
public:
    LPARAM next(int level) {
        if (level < 0 || level == last_) return 0;
        last_ = level;
        return level;
    }

private:
    int last_ = 0;
};

// Queue entry points for backends.
void queueMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Replaces a queued message of the same kind and window, or queues it.
void queueCoalesced(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A mouse move replaces one that is still the last message queued.
void queueMouseMove(HWND window, WPARAM wParam, LPARAM lParam);
bool queueHasMessages();
void purgeMessages(HWND window);
void killTimersOf(HWND window);
void resetQueue();

// The read end of the termination pipe, -1 before installation.
int terminationWakeFd();

// Millisecond clock of the timers and waits.
int32_t nowMillis();

// The cursor count's effect on a new window.
bool cursorHiddenNow();
void resetCursorCount();

// Resets the gl surface state that belongs to windows (in-memory backend).
void resetSurfaces();
// Called when our window is destroyed, so its surface state goes too.
void forgetSurface(HWND window);

}  // namespace detail
}  // namespace platform
