// X events into the messages our window procedures read.
#include <X11/keysym.h>

#include "platform/x11_backend.h"
#include "platform/x11_display.h"
#include "platform/x11_internal.h"

namespace platform {
namespace x11 {
namespace {

WPARAM mouseKeys(unsigned int state) {
    WPARAM keys = 0;
    if (state & Button1Mask) keys |= MK_LBUTTON;
    if (state & Button2Mask) keys |= MK_MBUTTON;
    if (state & Button3Mask) keys |= MK_RBUTTON;
    if (state & ShiftMask) keys |= MK_SHIFT;
    if (state & ControlMask) keys |= MK_CONTROL;
    return keys;
}

WPARAM withHighWord(WPARAM low, int high) {
    return (low & 0xFFFF) | (static_cast<WPARAM>(static_cast<WORD>(high)) << 16);
}

bool isAltKey(KeySym sym) {
    return sym == XK_Alt_L || sym == XK_Alt_R || sym == XK_Meta_L || sym == XK_Meta_R;
}

void translateKey(HWND window, const XKeyEvent& e, bool down) {
    KeySym sym = XLookupKeysym(const_cast<XKeyEvent*>(&e), 0);
    bool alt = (e.state & Mod1Mask) || isAltKey(sym) || sym == XK_F10;
    UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    // Repeat count 1, the scan code, the context bit for Alt, and for a
    // release the previous-state and transition bits.
    uintptr_t lp = 1 | ((static_cast<uintptr_t>(e.keycode - 8) & 0xFF) << 16);
    if (alt) lp |= uintptr_t{1} << 29;
    if (!down) lp |= (uintptr_t{1} << 30) | (uintptr_t{1} << 31);
    detail::queueMessage(window, message, virtualKeyFor(sym), static_cast<LPARAM>(static_cast<DWORD>(lp)));
}

void translateButton(HWND window, const XButtonEvent& e, bool down) {
    WPARAM keys = mouseKeys(e.state);
    LPARAM at = MAKELPARAM(e.x, e.y);
    switch (e.button) {
        case Button1: detail::queueMessage(window, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, keys, at); return;
        case Button2: detail::queueMessage(window, down ? WM_MBUTTONDOWN : WM_MBUTTONUP, keys, at); return;
        case Button3: detail::queueMessage(window, down ? WM_RBUTTONDOWN : WM_RBUTTONUP, keys, at); return;
        case 4: case 5: case 6: case 7: {
            if (!down) return;  // a wheel step is one press
            int delta = (e.button == 4 || e.button == 7) ? WHEEL_DELTA : -WHEEL_DELTA;
            UINT message = e.button <= 5 ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL;
            // Wheel messages carry screen coordinates.
            detail::queueMessage(window, message, withHighWord(keys, delta), MAKELPARAM(e.x_root, e.y_root));
            return;
        }
        default: {
            int which = e.button == 8 ? XBUTTON1 : XBUTTON2;
            detail::queueMessage(window, down ? WM_XBUTTONDOWN : WM_XBUTTONUP, withHighWord(keys, which), at);
            return;
        }
    }
}

}  // namespace

void X11Windows::handleFocusOut(Window window, const XFocusChangeEvent& e) {
    auto it = ours_.find(window);
    if (it == ours_.end() || !it->second.fullScreen) return;
    if (e.mode == NotifyGrab || e.mode == NotifyUngrab) return;  // a grab is not a change of owner
    if (e.detail == NotifyInferior || e.detail == NotifyPointer) return;
    Ours& state = it->second;
    if (!state.hadFocus || state.focusLossReported) return;
    Window focus = 0;
    int revert;
    XGetInputFocus(d_, &focus, &revert);
    if (focus > PointerRoot && isOurs(outerOfDrawable(focus))) return;
    state.focusLossReported = true;
    detail::queueMessage(hwndFromId(window), WM_ACTIVATE, 0, 0);
}

void X11Windows::handle(XEvent& event) {
    Window w = outerOfDrawable(event.xany.window);
    HWND window = hwndFromId(w);
    switch (event.type) {
        case KeyPress: case KeyRelease:
            if (isOurs(w)) translateKey(window, event.xkey, event.type == KeyPress);
            return;
        case ButtonPress: case ButtonRelease:
            if (isOurs(w)) translateButton(window, event.xbutton, event.type == ButtonPress);
            return;
        case MotionNotify:
            if (isOurs(w)) {
                detail::queueMouseMove(window, mouseKeys(event.xmotion.state),
                                       MAKELPARAM(event.xmotion.x, event.xmotion.y));
            }
            return;
        case EnterNotify:
            // The pointer is over the window now, as the desktop system
            // reports with a move when a window appears under it.
            if (isOurs(w) && event.xcrossing.mode == NotifyNormal) {
                detail::queueMouseMove(window, mouseKeys(event.xcrossing.state),
                                       MAKELPARAM(event.xcrossing.x, event.xcrossing.y));
            }
            return;
        case Expose:
            if (isOurs(w) && event.xexpose.count == 0) detail::queueCoalesced(window, WM_PAINT, 0, 0);
            return;
        case FocusIn:
            if (isOurs(w) && event.xfocus.mode != NotifyGrab && event.xfocus.mode != NotifyUngrab) {
                ours_[w].hadFocus = true;
            }
            return;
        case FocusOut:
            handleFocusOut(w, event.xfocus);
            return;
        case MapNotify: {
            Window mapped = event.xmap.window;
            if (Watched* watchedWindow = watched(mapped)) watchedWindow->viewable = true;
            auto it = ours_.find(mapped);
            if (it != ours_.end() && it->second.fullScreen) {
                // Override-redirect windows get no focus from a window
                // manager; take it so keys reach the saver.
                ErrorTrap trap;
                XRaiseWindow(d_, mapped);
                XSetInputFocus(d_, mapped, RevertToParent, CurrentTime);
            }
            return;
        }
        case UnmapNotify:
            if (Watched* watchedWindow = watched(event.xunmap.window)) watchedWindow->viewable = false;
            return;
        case DestroyNotify: {
            Window gone = event.xdestroywindow.window;
            auto it = watched_.find(gone);
            if (it != watched_.end()) it->second.gone = true;
            if (isOurs(gone)) {
                ours_.erase(gone);
                detail::nativeWindowGone(hwndFromId(gone));
            }
            return;
        }
        case ConfigureNotify: {
            const XConfigureEvent& c = event.xconfigure;
            if (c.window != event.xany.window || !isOurs(c.window)) return;
            detail::WindowRecord* rec = detail::findWindow(hwndFromId(c.window));
            if (!rec) return;
            int x = rec->rect.left, y = rec->rect.top;
            // Positions of reparented top-level windows are only meaningful
            // in the window manager's synthetic notices.
            bool managed = rec->kind == detail::WindowKind::Captioned || rec->kind == detail::WindowKind::OwnedPopup;
            if (!managed || c.send_event) {
                x = c.x;
                y = c.y;
            }
            glWindowResized(c.window, c.width, c.height);
            detail::nativeGeometryChanged(rec->hwnd, x, y, c.width, c.height);
            return;
        }
        case ClientMessage:
            if (isOurs(w) && static_cast<Atom>(event.xclient.data.l[0]) == atoms().wmDeleteWindow) {
                detail::queueMessage(window, WM_CLOSE, 0, 0);
            }
            return;
        default:
            return;
    }
}

}  // namespace x11
}  // namespace platform
