#include "config_ui/render_view.h"

#include "config_ui/page_scenes.h"
#include "platform/fltk_handles.h"
#include "platform/gl_surface.h"
#include "platform/window.h"
#include "render/frame.h"
#include "render/surface.h"
#include "resources/dialog_units.h"
#include "resources/dialogs.h"
#include "resources/resource_ids.h"
#include "scene/current_scene.h"

const char* const kRenderViewClass = "FlurrydalePreviewViewClass";

namespace {

// The one view of the process, for its window procedure.
CRenderView* g_view = nullptr;
// The configuration run's device and rendering contexts; kept for the rest
// of the process, like the saver window's own pair.
HDC g_viewDC = nullptr;
HGLRC g_viewContext = nullptr;

bool registerClass() {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = &CRenderView::windowProcFor;
    wc.lpszClassName = kRenderViewClass;
    registered = RegisterClassExA(&wc) != 0;
    return registered;
}

}  // namespace

CRenderView::CRenderView() = default;

CRenderView::~CRenderView() { Destroy(); }

bool CRenderView::Create(HWND owner) {
    if (hwnd_ || !registerClass()) return false;
    const res::DialogTemplate* t = res::findDialogTemplate(res::IDD_RENDER_VIEW);
    res::DialogUnits units;
    g_view = this;
    // The template's size is replaced as soon as the dialog places the view.
    HWND w = CreateWindowExA(0, kRenderViewClass, "", WS_POPUP | WS_SYSMENU, 0, 0, units.x(t->cx),
                             units.y(t->cy), owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!w) {
        g_view = nullptr;
        return false;
    }
    hwnd_ = w;
    return true;
}

void CRenderView::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    if (g_view == this) g_view = nullptr;
}

LRESULT CRenderView::windowProcFor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CRenderView* view = g_view;
    switch (message) {
        case WM_CREATE:
            if (DefWindowProcA(window, message, wParam, lParam) == -1) return -1;
            return view ? view->onCreate(window) : 0;
        case WM_TIMER:
            if (g_scenesPageReady) renderFrame();
            break;
        case WM_LBUTTONDOWN:
            if (view) view->onLeftButton();
            break;
        case WM_DESTROY:
            deleteScene(currentScene);
            if (view && view->hwnd_ == window) view->hwnd_ = nullptr;
            break;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CRenderView::onCreate(HWND window) {
    g_viewDC = GetDC(window);
    setupPixelFormat(window);
    g_viewContext = wglCreateContext(g_viewDC);
    wglMakeCurrent(g_viewDC, g_viewContext);
    initRendering();
    RECT r{};
    GetWindowRect(window, &r);
    renderDC = g_viewDC;
    resizeViewport(r.right - r.left, r.bottom - r.top);
    return 0;
}

void CRenderView::onLeftButton() {
    if (fullScreenActive && g_scenesPageReady) RestoreHome();
}

void CRenderView::ShowFullScreen(int showAfter) {
    if (!g_scenesPageReady || !hwnd_) return;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    showAfterFullScreen = showAfter;
    SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOZORDER);
    ShowWindow(hwnd_, SW_SHOW);
    // Above everything, the dialog included, whatever raised it last.
    platform::raiseAboveOwner(hwnd_);
    resizeViewport(w, h);
    fullScreenActive = 1;
}

void CRenderView::RestoreHome() {
    if (!hwnd_) return;
    const int w = homeRect.right - homeRect.left, h = homeRect.bottom - homeRect.top;
    SetWindowPos(hwnd_, nullptr, homeRect.left, homeRect.top, w, h, SWP_NOZORDER);
    resizeViewport(w, h);
    ShowWindow(hwnd_, showAfterFullScreen == 1 ? SW_SHOW : SW_HIDE);
    fullScreenActive = 0;
}

bool CRenderView::PreTranslateMessage(const MSG& msg) {
    if (!hwnd_ || msg.hwnd != hwnd_ || msg.message != WM_KEYDOWN) return false;
    if (msg.wParam != VK_ESCAPE && msg.wParam != VK_RETURN) return false;
    onLeftButton();
    return true;
}
