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

HINSTANCE GetModuleHandleA(const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);

// Supported: WS_POPUP | WS_VISIBLE without parent (the full-screen popup: an
// override-redirect window that takes the input focus when mapped),
// WS_CHILD | WS_VISIBLE with a parent (ours or a foreign X window), and
// WS_CAPTION (a managed top-level window with a title, not resizable).
// WM_CREATE is sent during the call, then WM_SIZE with the client size.
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

// In-memory backend: the screen size it reports, and input injection.
void setInMemoryScreenSize(int width, int height);

}  // namespace platform
