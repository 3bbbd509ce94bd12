// Making, placing and asking about X windows for the shared window records.
#include "platform/x11_backend.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <cstring>

#include "platform/gl_internal.h"
#include "platform/x11_display.h"
#include "platform/x11_internal.h"

namespace platform {
namespace x11 {
namespace {

const long kEventMask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                        PointerMotionMask | EnterWindowMask | StructureNotifyMask | ExposureMask |
                        FocusChangeMask;

// The window manager hints of the Motif toolkit, which most window managers
// honour: which functions and decorations a window gets.
struct MotifHints {
    unsigned long flags, functions, decorations;
    long inputMode;
    unsigned long status;
};
enum : unsigned long {
    kMwmFunctions = 1, kMwmDecorations = 2,
    kMwmFuncResize = 2, kMwmFuncMove = 4, kMwmFuncMinimize = 8, kMwmFuncMaximize = 16, kMwmFuncClose = 32,
    kMwmDecorBorder = 2, kMwmDecorResizeH = 4, kMwmDecorTitle = 8, kMwmDecorMenu = 16, kMwmDecorMinimize = 32,
    kMwmDecorMaximize = 64,
};

// A captioned window the user may resize (WS_THICKFRAME).
bool resizable(const detail::WindowRecord& rec) { return (rec.style & WS_THICKFRAME) != 0; }

Window idOf(HWND window) { return static_cast<Window>(idFromHwnd(window)); }

}  // namespace

X11Windows::X11Windows(Display* display) : d_(display), root_(DefaultRootWindow(display)) {
    dpms_ = monitorPowerAvailable(d_);
    blackGc_ = XCreateGC(d_, root_, 0, nullptr);
    XSetForeground(d_, blackGc_, BlackPixel(d_, DefaultScreen(d_)));
    Pixmap empty = XCreatePixmap(d_, root_, 1, 1, 1);
    GC clear = XCreateGC(d_, empty, 0, nullptr);
    XSetForeground(d_, clear, 0);
    XFillRectangle(d_, empty, clear, 0, 0, 1, 1);
    XFreeGC(d_, clear);
    XColor black{};
    blankCursor_ = XCreatePixmapCursor(d_, empty, empty, &black, &black, 0, 0);
    XFreePixmap(d_, empty);
}

X11Windows::~X11Windows() {
    if (blankCursor_) XFreeCursor(d_, blankCursor_);
    if (blackGc_) XFreeGC(d_, blackGc_);
    if (glColormap_) XFreeColormap(d_, glColormap_);
    XFlush(d_);
}

bool X11Windows::isOurs(Window window) const { return ours_.count(window) != 0; }

void X11Windows::setManagedHints(const detail::WindowRecord& rec, int x, int y, int width, int height) {
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = USPosition | PPosition | USSize | PSize;
    hints->x = x;
    hints->y = y;
    hints->width = width;
    hints->height = height;
    if (rec.kind == detail::WindowKind::Captioned && !resizable(rec)) {
        // Not resizable by the user.
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = width;
        hints->min_height = hints->max_height = height;
    }
    XSetWMNormalHints(d_, idOf(rec.hwnd), hints);
    XFree(hints);
}

bool X11Windows::create(detail::WindowRecord& rec) {
    const bool child = rec.kind == detail::WindowKind::Child;
    Window parent = child ? idOf(rec.parent) : root_;
    int width = rec.rect.right - rec.rect.left, height = rec.rect.bottom - rec.rect.top;

    XSetWindowAttributes attrs{};
    unsigned long mask = CWBackPixel | CWBorderPixel | CWEventMask;
    attrs.background_pixel = BlackPixel(d_, DefaultScreen(d_));
    attrs.event_mask = kEventMask;
    int depth = CopyFromParent;
    Visual* visual = CopyFromParent;
    const XVisualInfo* gl = defaultGlVisual();
    XWindowAttributes host{};
    if (child && rec.parentForeign) {
        // Inside a window of another program (an xscreensaver window, a
        // preview), use the visual that program chose where frames can be
        // drawn with it, and its colour map.
        const XVisualInfo* theirs = frameGlVisualOf(parent);
        if (theirs && gl && theirs->visualid != gl->visualid && queryForeign(parent, &host) && host.colormap) {
            depth = theirs->depth;
            visual = theirs->visual;
            attrs.colormap = host.colormap;
            mask |= CWColormap;
            gl = nullptr;
        }
    }
    if (gl) {
        if (!glColormap_) glColormap_ = XCreateColormap(d_, root_, gl->visual, AllocNone);
        depth = gl->depth;
        visual = gl->visual;
        attrs.colormap = glColormap_;
        mask |= CWColormap;
    }
    // A child of the root window is a top-level window all the same; no
    // window manager is to frame it, since it stands for the desktop itself.
    const bool onRoot = child && parent == root_;
    if (rec.kind == detail::WindowKind::FullScreenPopup || onRoot) {
        attrs.override_redirect = True;
        mask |= CWOverrideRedirect;
    }
    if (detail::cursorHiddenNow()) {
        attrs.cursor = blankCursor_;
        mask |= CWCursor;
    }
    ErrorTrap trap;
    Window w = XCreateWindow(d_, parent, rec.rect.left, rec.rect.top, static_cast<unsigned>(width),
                             static_cast<unsigned>(height), 0, depth, InputOutput, visual, mask, &attrs);
    if (trap.failed() || !w) return false;
    rec.hwnd = hwndFromId(w);
    // Drawn on the desktop: below every other window, like a wallpaper.
    if (onRoot) XLowerWindow(d_, w);

    if (!child) {
        XStoreName(d_, w, rec.title.c_str());
        XChangeProperty(d_, w, atoms().netWmName, atoms().utf8String, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(rec.title.data()),
                        static_cast<int>(rec.title.size()));
        XClassHint* cls = XAllocClassHint();
        cls->res_name = const_cast<char*>("flurrydale");
        cls->res_class = const_cast<char*>("Flurrydale");
        XSetClassHint(d_, w, cls);
        XFree(cls);
        Atom protocols[] = {atoms().wmDeleteWindow};
        XSetWMProtocols(d_, w, protocols, 1);
    }
    if (rec.kind == detail::WindowKind::Captioned || rec.kind == detail::WindowKind::OwnedPopup) {
        setManagedHints(rec, rec.rect.left, rec.rect.top, width, height);
        MotifHints motif{kMwmFunctions | kMwmDecorations, kMwmFuncMove | kMwmFuncMinimize,
                         kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMinimize, 0, 0};
        if (resizable(rec)) {
            motif.functions |= kMwmFuncResize | kMwmFuncMaximize;
            motif.decorations |= kMwmDecorResizeH | kMwmDecorMaximize;
        }
        if (rec.style & WS_SYSMENU) {
            motif.functions |= kMwmFuncClose;
            motif.decorations |= kMwmDecorMenu;
        }
        if (rec.kind == detail::WindowKind::OwnedPopup) {
            motif.functions = kMwmFuncMove;
            motif.decorations = 0;
            XSetTransientForHint(d_, w, idOf(rec.parent));
            Atom skip = atoms().netWmStateSkipTaskbar;
            XChangeProperty(d_, w, atoms().netWmState, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(&skip), 1);
        }
        XChangeProperty(d_, w, atoms().motifHints, atoms().motifHints, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&motif), 5);
    }
    Ours state;
    state.fullScreen = rec.kind == detail::WindowKind::FullScreenPopup;
    ours_[w] = state;
    XFlush(d_);
    return true;
}

void X11Windows::destroy(detail::WindowRecord& rec) {
    Window w = idOf(rec.hwnd);
    ours_.erase(w);
    ErrorTrap trap;  // a child may already have gone with a foreign parent
    XDestroyWindow(d_, w);
}

void X11Windows::show(detail::WindowRecord& rec, bool visible) {
    Window w = idOf(rec.hwnd);
    ErrorTrap trap;
    if (visible) {
        XMapWindow(d_, w);
    } else if (rec.kind == detail::WindowKind::Child || rec.kind == detail::WindowKind::FullScreenPopup) {
        XUnmapWindow(d_, w);
    } else {
        XWithdrawWindow(d_, w, DefaultScreen(d_));
    }
}

void X11Windows::move(detail::WindowRecord& rec, int x, int y, int width, int height) {
    Window w = idOf(rec.hwnd);
    ErrorTrap trap;
    if (rec.kind == detail::WindowKind::Captioned || rec.kind == detail::WindowKind::OwnedPopup) {
        setManagedHints(rec, x, y, width, height);
    }
    XMoveResizeWindow(d_, w, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
    glWindowResized(w, width, height);
}

bool X11Windows::clientOrigin(const detail::WindowRecord& rec, POINT* out) {
    ErrorTrap trap;
    int x = 0, y = 0;
    Window childReturn;
    Bool ok = XTranslateCoordinates(d_, idOf(rec.hwnd), root_, 0, 0, &x, &y, &childReturn);
    if (trap.failed() || !ok) return false;
    *out = POINT{x, y};
    return true;
}

bool X11Windows::windowRect(const detail::WindowRecord& rec, RECT* out) {
    POINT origin;
    if (!clientOrigin(rec, &origin)) return false;
    *out = RECT{origin.x, origin.y, origin.x + rec.rect.right - rec.rect.left,
                origin.y + rec.rect.bottom - rec.rect.top};
    if (rec.kind != detail::WindowKind::Captioned) return true;
    // The frame a window manager put around it, as it says.
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    ErrorTrap trap;
    if (XGetWindowProperty(d_, idOf(rec.hwnd), atoms().netFrameExtents, 0, 4, False, XA_CARDINAL, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 4) {
        const long* e = reinterpret_cast<const long*>(data);
        out->left -= e[0];
        out->right += e[1];
        out->top -= e[2];
        out->bottom += e[3];
    }
    if (data) XFree(data);
    return true;
}

bool X11Windows::queryForeign(Window window, XWindowAttributes* attributes) {
    if (!window) return false;
    ErrorTrap trap;
    Status ok = XGetWindowAttributes(d_, window, attributes);
    return !trap.failed() && ok;
}

X11Windows::Watched* X11Windows::watched(Window window) {
    auto it = watched_.find(window);
    if (it == watched_.end()) return nullptr;
    Watched& w = it->second;
    // Events keep the state; a fresh look now and then also catches an
    // ancestor being hidden, which sends the window itself nothing.
    int32_t now = detail::nowMillis();
    if (!w.gone && now - w.checkedAt >= 250) {
        XWindowAttributes a;
        if (queryForeign(window, &a)) {
            w.viewable = a.map_state == IsViewable;
        } else {
            w.gone = true;
        }
        w.checkedAt = now;
    }
    return &w;
}

void X11Windows::watchForeign(HWND window) {
    Window w = idOf(window);
    if (watched_.count(w)) return;
    XWindowAttributes a;
    ErrorTrap trap;
    XSelectInput(d_, w, StructureNotifyMask);
    Watched state;
    state.gone = !queryForeign(w, &a) || trap.failed();
    state.viewable = !state.gone && a.map_state == IsViewable;
    state.checkedAt = detail::nowMillis();
    watched_[w] = state;
}

// These answer from what the events already read have told (and a fresh
// look now and then); they never read events themselves, so that no window
// procedure runs inside a question about a window.
bool X11Windows::foreignExists(HWND window) {
    if (Watched* w = watched(idOf(window))) return !w->gone;
    XWindowAttributes a;
    return queryForeign(idOf(window), &a);
}

bool X11Windows::foreignVisible(HWND window) {
    if (Watched* w = watched(idOf(window))) return !w->gone && w->viewable;
    XWindowAttributes a;
    return queryForeign(idOf(window), &a) && a.map_state == IsViewable;
}

bool X11Windows::foreignClientSize(HWND window, int* width, int* height) {
    XWindowAttributes a;
    if (!queryForeign(idOf(window), &a)) return false;
    *width = a.width;
    *height = a.height;
    return true;
}

bool X11Windows::foreignWindowRect(HWND window, RECT* out) {
    XWindowAttributes a;
    if (!queryForeign(idOf(window), &a)) return false;
    ErrorTrap trap;
    int x = 0, y = 0;
    Window childReturn;
    if (!XTranslateCoordinates(d_, idOf(window), root_, 0, 0, &x, &y, &childReturn) || trap.failed()) {
        return false;
    }
    *out = RECT{x, y, x + a.width, y + a.height};
    return true;
}

void X11Windows::screenSize(int* width, int* height) {
    int x, y;
    primaryMonitor(d_, &x, &y, width, height);
}

POINT X11Windows::primaryOrigin() {
    int x, y, w, h;
    primaryMonitor(d_, &x, &y, &w, &h);
    return POINT{x, y};
}

HWND X11Windows::desktop() { return hwndFromId(root_); }

void X11Windows::setCursorHidden(bool hidden) {
    ErrorTrap trap;
    for (const auto& entry : ours_) {
        if (hidden) {
            XDefineCursor(d_, entry.first, blankCursor_);
        } else {
            XUndefineCursor(d_, entry.first);
        }
    }
}

void X11Windows::fillRect(HWND window, const RECT& r) {
    ErrorTrap trap;
    XFillRectangle(d_, idOf(window), blackGc_, r.left, r.top, static_cast<unsigned>(r.right - r.left),
                   static_cast<unsigned>(r.bottom - r.top));
}

void X11Windows::pollMonitorPower() {
    int32_t now = detail::nowMillis();
    if (!dpms_ || now - nextPowerPoll_ < 0) return;
    nextPowerPoll_ = now + 1000;
    if (LPARAM power = powerWatch_.next(monitorPowerLevel(d_))) detail::postMonitorPower(power);
}

void X11Windows::pumpEvents() {
    while (XPending(d_)) {
        XEvent event;
        XNextEvent(d_, &event);
        handle(event);
    }
    pollMonitorPower();
}

void X11Windows::wait(int timeoutMs, int wakeFd) {
    XFlush(d_);
    if (XPending(d_)) return;
    if (dpms_) {
        int untilPoll = std::max<int32_t>(nextPowerPoll_ - detail::nowMillis(), 0);
        if (timeoutMs < 0 || untilPoll < timeoutMs) timeoutMs = untilPoll;
    }
    pollfd fds[2] = {{ConnectionNumber(d_), POLLIN, 0}, {wakeFd, POLLIN, 0}};
    poll(fds, wakeFd >= 0 ? 2 : 1, timeoutMs);
}

int X11Windows::connectionFd() { return ConnectionNumber(d_); }

}  // namespace x11

namespace detail {

NativeWindows* makeNoDisplayWindows();
GlSurfaces* makeNoDisplaySurfaces();

NativeWindows* makeX11Windows() {
    Display* d = x11::display();
    return d ? static_cast<NativeWindows*>(new x11::X11Windows(d)) : makeNoDisplayWindows();
}

}  // namespace detail
}  // namespace platform
