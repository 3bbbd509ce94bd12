// The live preview of the configuration dialog: a borderless window of our
// own, owned by the dialog and laid in screen coordinates over the scenes
// page's preview area. It owns the run's OpenGL surface and draws a frame
// on every tick of the dialog's 10 ms timer; Preview makes it cover the
// whole screen until a left click, Esc or Enter.
#pragma once

#include "platform/win_types.h"

class CRenderView {
public:
    CRenderView();
    ~CRenderView();
    CRenderView(const CRenderView&) = delete;
    CRenderView& operator=(const CRenderView&) = delete;

    // Creates the window (hidden, the preview template's size), which sets
    // up the GL surface and starts rendering. False when no window could be
    // made; the object then stays a valid view that does nothing.
    bool Create(HWND owner);
    void Destroy();
    HWND hwnd() const { return hwnd_; }

    void ShowFullScreen(int showAfter);
    void RestoreHome();
    // Esc and Enter aimed at the view end the full-screen preview and are
    // consumed; answers whether msg was consumed.
    bool PreTranslateMessage(const MSG& msg);

    RECT homeRect{0, 0, 0, 0};
    int fullScreenActive = 0;
    int showAfterFullScreen = 0;

private:
    LRESULT onCreate(HWND window);
    void onLeftButton();

    HWND hwnd_ = nullptr;

public:
    // The window procedure of the view's class.
    static LRESULT windowProcFor(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The class name the view's window is registered under.
extern const char* const kRenderViewClass;
