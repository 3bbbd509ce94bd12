// Creating, destroying, showing, placing and asking about windows. The
// records and messages are the same for both backends; the native side is
// asked through NativeWindows.
#include <algorithm>

#include "platform/window_internal.h"

namespace platform {
namespace detail {
namespace {

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }

// Destroys a window and everything that belongs to it, in the order of the
// desktop system: owned popups first; then WM_DESTROY to the window, each
// child's whole destruction, WM_NCDESTROY to the window. The native side is
// destroyed only for the topmost window of the tree (its children go with
// it), and not at all when it has already vanished.
void destroyTree(HWND window, bool nativeToo) {
    WindowRecord* rec = findWindow(window);
    if (!rec || rec->destroying) return;
    rec->destroying = true;

    for (HWND other : ourWindows()) {
        WindowRecord* o = findWindow(other);
        if (o && o->kind == WindowKind::OwnedPopup && o->parent == window) DestroyWindow(other);
    }

    SendMessageA(window, WM_DESTROY, 0, 0);
    for (HWND other : ourWindows()) {
        WindowRecord* o = findWindow(other);
        if (o && o->kind == WindowKind::Child && o->parent == window) destroyTree(other, false);
    }
    SendMessageA(window, WM_NCDESTROY, 0, 0);

    killTimersOf(window);
    purgeMessages(window);
    forgetSurface(window);
    rec = findWindow(window);
    if (rec && nativeToo) native().destroy(*rec);
    forgetWindow(window);
}

bool ancestorsVisible(const WindowRecord& rec) {
    if (rec.kind != WindowKind::Child) return true;
    if (rec.parentForeign) return native().foreignVisible(rec.parent);
    const WindowRecord* parent = findWindow(rec.parent);
    return parent && parent->visible && ancestorsVisible(*parent);
}

}  // namespace

void nativeWindowGone(HWND window) { destroyTree(window, false); }

void postMonitorPower(LPARAM lParam) {
    HWND target = nullptr;
    for (HWND w : ourWindows()) {
        const WindowRecord* rec = findWindow(w);
        if (!rec || rec->destroying) continue;
        if (rec->kind == WindowKind::FullScreenPopup) {
            target = w;
            break;
        }
        target = w;
    }
    queueMessage(target, WM_SYSCOMMAND, SC_MONITORPOWER, lParam);
}

void nativeGeometryChanged(HWND window, int x, int y, int w, int h) {
    WindowRecord* rec = findWindow(window);
    if (!rec) return;
    bool resized = w != width(rec->rect) || h != height(rec->rect);
    bool moved = x != rec->rect.left || y != rec->rect.top;
    rec->rect = RECT{x, y, x + w, y + h};
    if (resized) queueCoalesced(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w, h));
    if (moved) queueCoalesced(window, WM_MOVE, 0, MAKELPARAM(x, y));
}

}  // namespace detail
}  // namespace platform

using platform::detail::findWindow;
using platform::detail::native;
using platform::detail::WindowKind;
using platform::detail::WindowRecord;

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param) {
    WindowRecord rec;
    if (!platform::detail::lookUpClass(className, &rec.proc, &rec.classStyle)) return nullptr;
    rec.className = className;
    rec.title = title ? title : "";
    rec.style = style & ~WS_VISIBLE;
    rec.exStyle = exStyle;
    if (style & WS_CHILD) {
        if (!parent) return nullptr;
        rec.kind = WindowKind::Child;
    } else if (style & WS_POPUP) {
        rec.kind = parent ? WindowKind::OwnedPopup : WindowKind::FullScreenPopup;
    } else {
        rec.kind = WindowKind::Captioned;
    }
    if (parent) {
        if (const WindowRecord* p = findWindow(parent)) {
            if (p->destroying) return nullptr;
        } else if (native().foreignExists(parent)) {
            rec.parentForeign = true;
        } else {
            return nullptr;
        }
        rec.parent = parent;
    }
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (rec.kind == WindowKind::FullScreenPopup) {
        POINT origin = native().primaryOrigin();
        x += origin.x;
        y += origin.y;
    }
    rec.rect = RECT{x, y, x + width, y + height};
    if (!native().create(rec)) return nullptr;
    HWND window = rec.hwnd;
    platform::detail::addWindow(rec);
    if (rec.parentForeign) native().watchForeign(parent);

    CREATESTRUCTA cs{param, instance, menu, parent, height, width, y, x,
                     static_cast<LONG>(style), title, className, exStyle};
    if (SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    if (!findWindow(window)) return nullptr;  // destroyed while being created
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    SendMessageA(window, WM_MOVE, 0, MAKELPARAM(x, y));
    if ((style & WS_VISIBLE) && findWindow(window)) ShowWindow(window, SW_SHOW);
    return findWindow(window) ? window : nullptr;
}

BOOL DestroyWindow(HWND window) {
    WindowRecord* rec = findWindow(window);
    if (!rec || rec->destroying) return FALSE;
    platform::detail::destroyTree(window, true);
    return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
    WindowRecord* rec = findWindow(window);
    if (!rec) return FALSE;
    bool was = rec->visible;
    bool want = command != SW_HIDE;
    if (want != was) {
        rec->visible = want;
        if (want) {
            rec->style |= WS_VISIBLE;
        } else {
            rec->style &= ~WS_VISIBLE;
        }
        native().show(*rec, want);
    }
    return was ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags) {
    WindowRecord* rec = findWindow(window);
    if (!rec) return FALSE;
    RECT old = rec->rect;
    if (flags & SWP_NOMOVE) {
        x = old.left;
        y = old.top;
    }
    if (flags & SWP_NOSIZE) {
        cx = old.right - old.left;
        cy = old.bottom - old.top;
    }
    cx = std::max(cx, 1);
    cy = std::max(cy, 1);
    bool resized = cx != old.right - old.left || cy != old.bottom - old.top;
    bool moved = x != old.left || y != old.top;
    if (resized || moved) {
        native().move(*rec, x, y, cx, cy);
        rec->rect = RECT{x, y, x + cx, y + cy};
        if (resized) SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cx, cy));
        if (moved && findWindow(window)) SendMessageA(window, WM_MOVE, 0, MAKELPARAM(x, y));
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow(window, SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(window, SW_HIDE);
    return TRUE;
}

int GetSystemMetrics(int index) {
    int w = 0, h = 0;
    native().screenSize(&w, &h);
    switch (index) {
        case SM_CXSCREEN: return w;
        case SM_CYSCREEN: return h;
        default: return 0;
    }
}

BOOL GetClientRect(HWND window, RECT* rect) {
    if (!rect) return FALSE;
    if (const WindowRecord* rec = findWindow(window)) {
        *rect = RECT{0, 0, rec->rect.right - rec->rect.left, rec->rect.bottom - rec->rect.top};
        return TRUE;
    }
    int w = 0, h = 0;
    if (!native().foreignClientSize(window, &w, &h)) return FALSE;
    *rect = RECT{0, 0, w, h};
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    if (!rect) return FALSE;
    if (const WindowRecord* rec = findWindow(window)) return native().windowRect(*rec, rect) ? TRUE : FALSE;
    return native().foreignWindowRect(window, rect) ? TRUE : FALSE;
}

BOOL IsWindow(HWND window) {
    if (!window) return FALSE;
    if (findWindow(window)) return TRUE;
    return native().foreignExists(window) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    if (const WindowRecord* rec = findWindow(window)) {
        return rec->visible && platform::detail::ancestorsVisible(*rec) ? TRUE : FALSE;
    }
    return window && native().foreignVisible(window) ? TRUE : FALSE;
}
