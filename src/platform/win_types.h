// Basic types, handles and constants of the desktop services the saver is
// written against. The values are the classic Win32 ones, so that code and
// data that carry them (message numbers, button types, attribute bits) keep
// their meaning; the services themselves are provided by this folder on X11.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef int32_t LONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef unsigned int UINT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// A window handle. For windows of X11 it carries the X window id itself, so
// that a foreign window named on the command line is a handle as it stands.
struct HWND__;
typedef HWND__* HWND;
struct HDC__;
typedef HDC__* HDC;
struct HGLRC__;
typedef HGLRC__* HGLRC;
struct HKEY__;
typedef HKEY__* HKEY;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef void* HCURSOR;
typedef void* HICON;
typedef void* HBRUSH;
typedef void* HMENU;

inline HWND hwndFromId(uintptr_t id) { return reinterpret_cast<HWND>(id); }
inline uintptr_t idFromHwnd(HWND h) { return reinterpret_cast<uintptr_t>(h); }

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct POINT { LONG x; LONG y; };
struct RECT { LONG left; LONG top; LONG right; LONG bottom; };

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

inline WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
inline LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<DWORD>((static_cast<DWORD>(lo) & 0xFFFF) |
                                                  ((static_cast<DWORD>(hi) & 0xFFFF) << 16)));
}
inline int GET_X_LPARAM(LPARAM lp) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lp))); }
inline int GET_Y_LPARAM(LPARAM lp) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lp))); }

// Messages.
enum : UINT {
    WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
    WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012, WM_SHOWWINDOW = 0x0018, WM_ACTIVATEAPP = 0x001C,
    WM_SETCURSOR = 0x0020, WM_NCDESTROY = 0x0082, WM_NCACTIVATE = 0x0086,
    WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105,
    WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113,
    WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205, WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208, WM_MOUSEWHEEL = 0x020A, WM_XBUTTONDOWN = 0x020B,
    WM_XBUTTONUP = 0x020C, WM_MOUSEHWHEEL = 0x020E,
};

// System commands (wParam of WM_SYSCOMMAND).
enum : WPARAM { SC_CLOSE = 0xF060, SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170 };

// Virtual keys.
enum : WPARAM { VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_ESCAPE = 0x1B };

// Message boxes.
enum : UINT {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF,
    MB_ICONERROR = 0x10, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40, MB_ICONMASK = 0xF0,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

// Window classes and styles.
enum : UINT { CS_VREDRAW = 0x1, CS_HREDRAW = 0x2, CS_OWNDC = 0x20 };
enum : DWORD {
    WS_POPUP = 0x80000000u, WS_CHILD = 0x40000000u, WS_VISIBLE = 0x10000000u,
    WS_CAPTION = 0x00C00000u, WS_SYSMENU = 0x00080000u, WS_THICKFRAME = 0x00040000u,
};
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5 };
enum : UINT { SWP_NOSIZE = 0x1, SWP_NOMOVE = 0x2, SWP_NOZORDER = 0x4, SWP_NOACTIVATE = 0x10 };
#define HWND_NOTOPMOST (hwndFromId(static_cast<uintptr_t>(-2)))
enum : int { SM_CXSCREEN = 0, SM_CYSCREEN = 1 };
enum : UINT { PM_NOREMOVE = 0x0, PM_REMOVE = 0x1 };

// Registry.
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000002u)))
enum : LONG { ERROR_SUCCESS = 0, ERROR_FILE_NOT_FOUND = 2, ERROR_MORE_DATA = 234 };
enum : DWORD { KEY_READ = 0x20019 };

// System state.
enum : UINT { SPI_SETSCREENSAVERRUNNING = 97 };
enum : DWORD { VER_PLATFORM_WIN32s = 0, VER_PLATFORM_WIN32_WINDOWS = 1, VER_PLATFORM_WIN32_NT = 2 };

// File attributes of directory listings.
enum : DWORD {
    FILE_ATTRIBUTE_READONLY = 0x1, FILE_ATTRIBUTE_HIDDEN = 0x2, FILE_ATTRIBUTE_SYSTEM = 0x4,
    FILE_ATTRIBUTE_DIRECTORY = 0x10, FILE_ATTRIBUTE_ARCHIVE = 0x20, FILE_ATTRIBUTE_NORMAL = 0x80,
    FILE_ATTRIBUTE_REPARSE_POINT = 0x400,
};
