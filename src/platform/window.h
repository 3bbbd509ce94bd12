// Windows and their message queue. Two backends: X11 (the default) and an
// in-memory one for tests, in which windows are plain records, nothing is
// drawn and input is injected by the test. Handles of X11 windows carry the
// X window id, so a foreign window named by its id is usable as it stands.
#pragma once

#include "platform/win_types.h"

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
    HICON hIconSm;
};
typedef WORD ATOM;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

#define IDC_ARROW (reinterpret_cast<const char*>(static_cast<uintptr_t>(32512)))
#define IDC_HAND (reinterpret_cast<const char*>(static_cast<uintptr_t>(32649)))
enum : int { BLACK_BRUSH = 4 };

// What WM_CREATE carries in lParam.
struct CREATESTRUCTA {
    void* lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    const char* lpszName;
    const char* lpszClass;
    DWORD dwExStyle;
};

// Further flags and values of the window and input messages.
enum : UINT { SWP_SHOWWINDOW = 0x40, SWP_HIDEWINDOW = 0x80 };
enum : WPARAM { SIZE_RESTORED = 0 };
enum : WPARAM {
    MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10,
    MK_XBUTTON1 = 0x20, MK_XBUTTON2 = 0x40,
};
enum : int { WHEEL_DELTA = 120, XBUTTON1 = 1, XBUTTON2 = 2 };
inline int GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<int16_t>(HIWORD(w)); }

HINSTANCE GetModuleHandleA(const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);

// Supported: WS_POPUP without parent (the full-screen popup: an
// override-redirect window placed relative to the primary monitor, which
// takes the input focus when mapped), WS_POPUP with a parent (a borderless
// top-level window owned by it, placed in screen coordinates), WS_CHILD with
// a parent (ours or a foreign X window), and WS_CAPTION (a managed top-level
// window with a title, not resizable, without a close button where the window
// manager allows). WM_CREATE is sent during the call (lParam: CREATESTRUCTA;
// -1 from it fails the creation), then WM_SIZE with the client size and
// WM_MOVE; a WS_VISIBLE window is shown last. Our windows carry a GLX-capable
// visual (that of pixel format 1) so that SetPixelFormat works on them.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param);
BOOL DestroyWindow(HWND window);  // sends WM_DESTROY, then WM_NCDESTROY
BOOL ShowWindow(HWND window, int command);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
int GetSystemMetrics(int index);  // size of the primary monitor (XRandR)
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);  // screen coordinates
BOOL IsWindow(HWND window);                   // foreign windows too; never fatal
BOOL IsWindowVisible(HWND window);
int ShowCursor(BOOL show);  // display counter; the cursor is hidden while below 0
// Posts WM_TIMER (wParam the id) every elapseMs (at least 10) on the clock of
// platform::clockMillis; one per due period, never a backlog. A null window
// gets a fresh id. Setting an existing id again restarts it.
uintptr_t SetTimer(HWND window, uintptr_t id, UINT elapseMs, void* callback /* must be null */);
BOOL KillTimer(HWND window, uintptr_t id);
HWND GetDesktopWindow();

BOOL PeekMessageA(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg, UINT removeFlags);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HBRUSH GetStockObject(int object);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);

namespace platform {

enum class WindowBackend { X11, InMemory };
// Chosen before the first window is made; X11 unless a test says otherwise.
void setWindowBackend(WindowBackend backend);
WindowBackend windowBackend();

// Blocks until a message is queued, the X connection has input, termination
// was requested, or timeoutMs has passed. Loops call it between frames so
// that the processor is free while nothing is due.
void waitForMessages(int timeoutMs);

// SIGTERM and SIGINT set a flag (and wake waitForMessages) instead of ending
// the process, so runs can close their windows and end with status 0.
void installTerminationHandler();
bool terminationRequested();

// Does what PeekMessageA does for the X11 connection (read its events and
// turn them into messages), then removes and dispatches every queued message
// and due timer. For the FLTK dialog, which watches x11ConnectionFd() with
// Fl::add_fd and calls this from its own loop.
void pumpX11Events();
// The X connection's file descriptor (opened on first use); -1 without a
// display or with the in-memory backend.
int x11ConnectionFd();
// Milliseconds until the next of our timers is due (0 when one is due now),
// -1 when there is none. For loops that wait on something else.
int millisUntilNextTimer();

// In-memory backend: the screen size it reports, and input injection.
void setInMemoryScreenSize(int width, int height);
// Queues an input message (key, button, mouse move...) as if the user had
// produced it on the window; mouse moves replace a mouse move still queued.
void injectInMemoryInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The monitor going to low power (lowPower) or off, as the X11 backend
// reports it from DPMS: a posted WM_SYSCOMMAND/SC_MONITORPOWER, lParam 1 or 2.
void injectInMemoryMonitorPower(bool off);
// A window of another program: exists and is visible until told otherwise.
HWND createInMemoryForeignWindow(int width, int height);
void setInMemoryForeignVisible(HWND window, bool visible);
// The foreign window vanishes, and with it the children we made in it.
void destroyInMemoryForeignWindow(HWND window);
// Whether the cursor is hidden on our windows (ShowCursor count below 0).
bool cursorHidden();
// Forgets every window, class, timer and queued message and resets the
// cursor count (in-memory backend; for test isolation).
void resetInMemoryWindows();

}  // namespace platform
