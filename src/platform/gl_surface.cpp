// Pixel formats, contexts and presenting on our windows. A device context is
// its window's handle (every window keeps one, as with CS_OWNDC), so that
// GetDC and WindowFromDC are exact inverses.
#include <cstring>
#include <map>
#include <memory>

#include "platform/gl_internal.h"
#include "platform/window_internal.h"

namespace platform {
namespace {

std::map<HWND, int>& formatsSet() {
    static std::map<HWND, int> f;
    return f;
}

FakeGlLog& log() {
    static FakeGlLog l;
    return l;
}

detail::GlSurfaces& surfaces() {
    static std::unique_ptr<detail::GlSurfaces> s;
    static WindowBackend made = WindowBackend::X11;
    if (!s || made != windowBackend()) {
        made = windowBackend();
        s.reset(made == WindowBackend::X11 ? detail::makeX11Surfaces() : detail::makeInMemorySurfaces());
    }
    return *s;
}

bool recording() { return windowBackend() == WindowBackend::InMemory; }

HWND windowOf(HDC dc) {
    HWND window = WindowFromDC(dc);
    return window && IsWindow(window) ? window : nullptr;
}

}  // namespace

const FakeGlLog& fakeGlLog() { return log(); }
void clearFakeGlLog() { log() = FakeGlLog{}; }

namespace detail {

void resetSurfaces() {
    for (auto& entry : formatsSet()) surfaces().forget(entry.first);
    formatsSet().clear();
    clearFakeGlLog();
}

void forgetSurface(HWND window) {
    if (formatsSet().erase(window)) surfaces().forget(window);
    if (log().currentDC == reinterpret_cast<HDC>(window)) {
        log().currentDC = nullptr;
        log().current = nullptr;
    }
}

}  // namespace detail
}  // namespace platform

using platform::windowOf;

HDC GetDC(HWND window) { return window && IsWindow(window) ? reinterpret_cast<HDC>(window) : nullptr; }

HWND WindowFromDC(HDC dc) { return reinterpret_cast<HWND>(dc); }

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* request) {
    HWND window = windowOf(dc);
    if (!request) return 0;
    if (platform::recording()) platform::log().chooseRequests.push_back(*request);
    if (!window) return 0;
    return platform::bestPixelFormat(platform::surfaces().formatsFor(window), *request);
}

int DescribePixelFormat(HDC dc, int format, UINT size, PIXELFORMATDESCRIPTOR* out) {
    HWND window = windowOf(dc);
    if (!window) return 0;
    const auto& formats = platform::surfaces().formatsFor(window);
    if (format < 1 || format > static_cast<int>(formats.size())) return 0;
    if (out && size >= sizeof(PIXELFORMATDESCRIPTOR)) *out = formats[format - 1];
    return static_cast<int>(formats.size());
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
    HWND window = windowOf(dc);
    if (platform::recording()) platform::log().setFormats.push_back(format);
    if (!window) return FALSE;
    auto& set = platform::formatsSet();
    auto it = set.find(window);
    // A window's format is set once; asking for the same one again is fine.
    if (it != set.end()) return it->second == format ? TRUE : FALSE;
    const auto& formats = platform::surfaces().formatsFor(window);
    if (format < 1 || format > static_cast<int>(formats.size())) return FALSE;
    if (!platform::surfaces().setFormat(window, format)) return FALSE;
    set[window] = format;
    return TRUE;
}

int GetPixelFormat(HDC dc) {
    auto it = platform::formatsSet().find(WindowFromDC(dc));
    return it == platform::formatsSet().end() ? 0 : it->second;
}

HGLRC wglCreateContext(HDC dc) {
    HWND window = windowOf(dc);
    if (!window || !GetPixelFormat(dc)) return nullptr;
    HGLRC context = platform::surfaces().createContext(window);
    if (context && platform::recording()) ++platform::log().contextsCreated;
    return context;
}

BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    if (!context) {
        platform::surfaces().makeCurrent(nullptr, nullptr);
        platform::log().current = nullptr;
        platform::log().currentDC = nullptr;
        return TRUE;
    }
    HWND window = windowOf(dc);
    if (!window || !GetPixelFormat(dc)) return FALSE;
    if (!platform::surfaces().makeCurrent(window, context)) return FALSE;
    if (platform::recording()) {
        platform::log().current = context;
        platform::log().currentDC = dc;
    }
    return TRUE;
}

BOOL SwapBuffers(HDC dc) {
    HWND window = windowOf(dc);
    if (!window || !GetPixelFormat(dc)) return FALSE;
    if (!platform::surfaces().swap(window)) return FALSE;
    if (platform::recording()) ++platform::log().swaps;
    return TRUE;
}
