// Pixel formats over GLX framebuffer configurations, compatibility contexts
// and presenting. Format 1 is our default configuration (double-buffered
// RGBA with depth), whose visual our windows are created with; a format with
// another visual gets a GL child window of that visual laid over the whole
// window, since an X window's visual is fixed at creation. A foreign window,
// and a window of ours made with another visual (a child taking that of a
// foreign parent), offers only the configurations of its own visual.
#include <GL/glx.h>
#include <GL/glxext.h>

#include <algorithm>
#include <map>
#include <set>
#include <cstring>

#include "platform/gl_internal.h"
#include "platform/window_internal.h"
#include "platform/x11_display.h"
#include "platform/x11_internal.h"

namespace platform {
namespace x11 {
namespace {

struct Format {
    GLXFBConfig config;
    VisualID visual;
};

struct Surface {
    Window outer = 0;
    Window drawable = 0;  // the outer window itself or a GL child in it
    GLXFBConfig config = nullptr;
};

int attribute(Display* d, GLXFBConfig c, int name) {
    int value = 0;
    glXGetFBConfigAttrib(d, c, name, &value);
    return value;
}

BYTE maskShift(unsigned long mask) {
    BYTE shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Whether the screen's renderer is hardware-accelerated; true where the
// renderer cannot be asked.
bool rendererAccelerated(Display* d) {
    const char* extensions = glXQueryExtensionsString(d, DefaultScreen(d));
    if (!extensions || !std::strstr(extensions, "GLX_MESA_query_renderer")) return true;
    using Query = Bool (*)(Display*, int, int, int, unsigned int*);
    auto query = reinterpret_cast<Query>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXQueryRendererIntegerMESA")));
    unsigned int value = 1;
    if (!query || !query(d, DefaultScreen(d), 0, GLX_RENDERER_ACCELERATED_MESA, &value)) return true;
    return value != 0;
}

PIXELFORMATDESCRIPTOR describe(Display* d, GLXFBConfig c, const XVisualInfo& vi, bool accelerated) {
    PIXELFORMATDESCRIPTOR f{};
    f.nSize = sizeof f;
    f.nVersion = 1;
    f.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (attribute(d, c, GLX_DOUBLEBUFFER)) f.dwFlags |= PFD_DOUBLEBUFFER;
    if (!accelerated || attribute(d, c, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG) f.dwFlags |= PFD_GENERIC_FORMAT;
    f.iPixelType = PFD_TYPE_RGBA;
    f.cColorBits = static_cast<BYTE>(attribute(d, c, GLX_BUFFER_SIZE));
    f.cRedBits = static_cast<BYTE>(attribute(d, c, GLX_RED_SIZE));
    f.cGreenBits = static_cast<BYTE>(attribute(d, c, GLX_GREEN_SIZE));
    f.cBlueBits = static_cast<BYTE>(attribute(d, c, GLX_BLUE_SIZE));
    f.cAlphaBits = static_cast<BYTE>(attribute(d, c, GLX_ALPHA_SIZE));
    f.cRedShift = maskShift(vi.red_mask);
    f.cGreenShift = maskShift(vi.green_mask);
    f.cBlueShift = maskShift(vi.blue_mask);
    f.cAccumRedBits = static_cast<BYTE>(attribute(d, c, GLX_ACCUM_RED_SIZE));
    f.cAccumGreenBits = static_cast<BYTE>(attribute(d, c, GLX_ACCUM_GREEN_SIZE));
    f.cAccumBlueBits = static_cast<BYTE>(attribute(d, c, GLX_ACCUM_BLUE_SIZE));
    f.cAccumAlphaBits = static_cast<BYTE>(attribute(d, c, GLX_ACCUM_ALPHA_SIZE));
    f.cAccumBits = static_cast<BYTE>(f.cAccumRedBits + f.cAccumGreenBits + f.cAccumBlueBits + f.cAccumAlphaBits);
    f.cDepthBits = static_cast<BYTE>(attribute(d, c, GLX_DEPTH_SIZE));
    f.cStencilBits = static_cast<BYTE>(attribute(d, c, GLX_STENCIL_SIZE));
    f.cAuxBuffers = static_cast<BYTE>(attribute(d, c, GLX_AUX_BUFFERS));
    f.iLayerType = PFD_MAIN_PLANE;
    return f;
}

class GlxSurfaces : public detail::GlSurfaces {
public:
    explicit GlxSurfaces(Display* d) : d_(d) { load(); }

    const std::vector<PIXELFORMATDESCRIPTOR>& formatsFor(HWND window) override {
        if (offersAllFormats(window)) return descriptions_;
        XWindowAttributes a;
        ErrorTrap trap;
        if (!XGetWindowAttributes(d_, static_cast<Window>(idFromHwnd(window)), &a) || trap.failed()) {
            return none_;
        }
        VisualID visual = XVisualIDFromVisual(a.visual);
        auto it = byVisual_.find(visual);
        if (it == byVisual_.end()) {
            // Double-buffered formats with depth first, so that the first
            // format of a visual is one frames can be drawn with.
            auto& list = byVisual_[visual];
            for (int pass = 0; pass < 2; ++pass) {
                for (size_t i = 0; i < formats_.size(); ++i) {
                    if (formats_[i].visual == visual && drawsFrames(descriptions_[i]) == (pass == 0)) {
                        list.first.push_back(formats_[i]);
                        list.second.push_back(descriptions_[i]);
                    }
                }
            }
            it = byVisual_.find(visual);
        }
        return it->second.second;
    }

    bool setFormat(HWND window, int format) override {
        Window outer = static_cast<Window>(idFromHwnd(window));
        const bool ours = detail::findWindow(window) != nullptr;
        const Format& f = offersAllFormats(window) ? formats_[format - 1] : byVisual_[visualOf(outer)].first[format - 1];
        Surface s;
        s.outer = outer;
        s.drawable = outer;
        s.config = f.config;
        if (ours && f.visual != visualOf(outer)) {
            s.drawable = makeGlChild(outer, f.config);
            if (!s.drawable) return false;
            drawableOwners_[s.drawable] = outer;
        }
        surfaces_[outer] = s;
        return true;
    }

    HGLRC createContext(HWND window) override {
        auto it = surfaces_.find(static_cast<Window>(idFromHwnd(window)));
        if (it == surfaces_.end()) return nullptr;
        ErrorTrap trap;
        GLXContext context = nullptr;
        using CreateAttribs = GLXContext (*)(Display*, GLXFBConfig, GLXContext, Bool, const int*);
        auto createAttribs = reinterpret_cast<CreateAttribs>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCreateContextAttribsARB")));
        if (createAttribs && hasExtension("GLX_ARB_create_context_profile")) {
            const int attribs[] = {GLX_CONTEXT_PROFILE_MASK_ARB, GLX_CONTEXT_COMPATIBILITY_PROFILE_BIT_ARB, None};
            context = createAttribs(d_, it->second.config, nullptr, True, attribs);
            if (trap.failed()) context = nullptr;
        }
        if (!context) {
            ErrorTrap second;
            context = glXCreateNewContext(d_, it->second.config, GLX_RGBA_TYPE, nullptr, True);
            if (second.failed()) context = nullptr;
        }
        if (context) contexts_.insert(context);
        return reinterpret_cast<HGLRC>(context);
    }

    bool makeCurrent(HWND window, HGLRC handle) override {
        if (!window) {
            glXMakeCurrent(d_, None, nullptr);
            return true;
        }
        GLXContext context = reinterpret_cast<GLXContext>(handle);
        auto it = surfaces_.find(static_cast<Window>(idFromHwnd(window)));
        if (it == surfaces_.end() || !contexts_.count(context)) return false;
        ErrorTrap trap;
        Bool ok = glXMakeCurrent(d_, it->second.drawable, context);
        return ok && !trap.failed();
    }

    bool swap(HWND window) override {
        auto it = surfaces_.find(static_cast<Window>(idFromHwnd(window)));
        if (it == surfaces_.end()) return false;
        glXSwapBuffers(d_, it->second.drawable);
        return true;
    }

    void forget(HWND window) override {
        auto it = surfaces_.find(static_cast<Window>(idFromHwnd(window)));
        if (it == surfaces_.end()) return;
        // Nothing may stay bound to a drawable that is going away.
        if (glXGetCurrentDrawable() == it->second.drawable) glXMakeCurrent(d_, None, nullptr);
        drawableOwners_.erase(it->second.drawable);
        surfaces_.erase(it);
    }

    void resized(Window outer, int width, int height) {
        auto it = surfaces_.find(outer);
        if (it == surfaces_.end() || it->second.drawable == outer) return;
        ErrorTrap trap;
        XResizeWindow(d_, it->second.drawable, static_cast<unsigned>(width), static_cast<unsigned>(height));
    }

    Window outerOf(Window drawable) const {
        auto it = drawableOwners_.find(drawable);
        return it == drawableOwners_.end() ? drawable : it->second;
    }

    const XVisualInfo* defaultVisual() const { return defaultVisual_; }

    // The visual of window when frames can be drawn with it (a
    // double-buffered RGBA format with depth has it), else null.
    const XVisualInfo* frameVisualOf(Window window) {
        const VisualID id = visualOf(window);
        if (!id) return nullptr;
        if (defaultVisual_ && id == defaultVisual_->visualid) return defaultVisual_;
        auto known = frameVisuals_.find(id);
        if (known != frameVisuals_.end()) return known->second;
        XVisualInfo* found = nullptr;
        for (size_t i = 0; i < formats_.size() && !found; ++i) {
            if (formats_[i].visual == id && drawsFrames(descriptions_[i])) {
                found = glXGetVisualFromFBConfig(d_, formats_[i].config);  // kept for the process
            }
        }
        frameVisuals_[id] = found;
        return found;
    }

private:
    static bool drawsFrames(const PIXELFORMATDESCRIPTOR& f) {
        return (f.dwFlags & PFD_DOUBLEBUFFER) && f.cDepthBits > 0;
    }

    // Our windows of the default visual may take any format (one of another
    // visual gets a GL child); the others, like foreign windows, only the
    // formats of their own visual.
    bool offersAllFormats(HWND window) {
        if (!detail::findWindow(window)) return false;
        return !defaultVisual_ || visualOf(static_cast<Window>(idFromHwnd(window))) == defaultVisual_->visualid;
    }

    bool hasExtension(const char* name) const {
        const char* all = glXQueryExtensionsString(d_, DefaultScreen(d_));
        return all && std::strstr(all, name);
    }

    VisualID visualOf(Window window) {
        XWindowAttributes a;
        ErrorTrap trap;
        if (!XGetWindowAttributes(d_, window, &a) || trap.failed()) return 0;
        return XVisualIDFromVisual(a.visual);
    }

    Window makeGlChild(Window outer, GLXFBConfig config) {
        XVisualInfo* vi = glXGetVisualFromFBConfig(d_, config);
        if (!vi) return 0;
        XWindowAttributes a;
        ErrorTrap trap;
        Window child = 0;
        if (XGetWindowAttributes(d_, outer, &a)) {
            XSetWindowAttributes attrs{};
            attrs.colormap = XCreateColormap(d_, DefaultRootWindow(d_), vi->visual, AllocNone);
            attrs.border_pixel = 0;
            attrs.background_pixel = 0;
            attrs.event_mask = ExposureMask;
            child = XCreateWindow(d_, outer, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height),
                                  0, vi->depth, InputOutput, vi->visual,
                                  CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &attrs);
            XMapWindow(d_, child);
        }
        XFree(vi);
        return trap.failed() ? 0 : child;
    }

    // The configurations a window can show, with our default first.
    void load() {
        int errorBase, eventBase;
        if (!glXQueryExtension(d_, &errorBase, &eventBase)) return;
        int screen = DefaultScreen(d_);
        int depth = DefaultDepth(d_, screen);
        bool accelerated = rendererAccelerated(d_);
        const int wanted[] = {GLX_X_RENDERABLE, True, GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, GLX_RENDER_TYPE,
                              GLX_RGBA_BIT, GLX_X_VISUAL_TYPE, GLX_TRUE_COLOR, GLX_DOUBLEBUFFER, True,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24, None};
        int count = 0;
        GLXFBConfig* chosen = glXChooseFBConfig(d_, screen, wanted, &count);
        std::vector<GLXFBConfig> ordered;
        for (int i = 0; chosen && i < count; ++i) {
            if (usable(chosen[i], depth)) {
                ordered.push_back(chosen[i]);
                break;
            }
        }
        if (chosen) XFree(chosen);
        GLXFBConfig* all = glXGetFBConfigs(d_, screen, &count);
        for (int i = 0; all && i < count; ++i) {
            if (usable(all[i], depth) && std::find(ordered.begin(), ordered.end(), all[i]) == ordered.end()) {
                ordered.push_back(all[i]);
            }
        }
        if (all) XFree(all);
        for (GLXFBConfig c : ordered) {
            XVisualInfo* vi = glXGetVisualFromFBConfig(d_, c);
            if (!vi) continue;
            formats_.push_back(Format{c, vi->visualid});
            descriptions_.push_back(describe(d_, c, *vi, accelerated));
            if (!defaultVisual_) {
                defaultVisual_ = vi;  // kept for the process
            } else {
                XFree(vi);
            }
        }
    }

    // Window-drawable RGBA on the main plane, single-sampled, with a visual
    // of the screen's own depth (a deeper one would be blended by a
    // compositor wherever alpha is not full).
    bool usable(GLXFBConfig c, int depth) {
        if (!(attribute(d_, c, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT)) return false;
        if (!(attribute(d_, c, GLX_RENDER_TYPE) & GLX_RGBA_BIT)) return false;
        if (attribute(d_, c, GLX_LEVEL) != 0 || attribute(d_, c, GLX_SAMPLE_BUFFERS) != 0) return false;
        int type = attribute(d_, c, GLX_X_VISUAL_TYPE);
        if (type != GLX_TRUE_COLOR && type != GLX_DIRECT_COLOR) return false;
        XVisualInfo* vi = glXGetVisualFromFBConfig(d_, c);
        if (!vi) return false;
        bool ok = vi->depth == depth;
        XFree(vi);
        return ok;
    }

    Display* d_;
    std::vector<Format> formats_;
    std::vector<PIXELFORMATDESCRIPTOR> descriptions_;
    std::vector<PIXELFORMATDESCRIPTOR> none_;
    std::map<VisualID, std::pair<std::vector<Format>, std::vector<PIXELFORMATDESCRIPTOR>>> byVisual_;
    std::map<Window, Surface> surfaces_;
    std::map<Window, Window> drawableOwners_;
    std::set<GLXContext> contexts_;
    std::map<VisualID, XVisualInfo*> frameVisuals_;
    XVisualInfo* defaultVisual_ = nullptr;
};

GlxSurfaces* g_glx = nullptr;
bool g_glxTried = false;

GlxSurfaces* glx() {
    if (!g_glxTried) {
        g_glxTried = true;
        if (Display* d = display()) g_glx = new GlxSurfaces(d);
    }
    return g_glx;
}

// The surfaces object handed to the shared layer; the configurations stay
// with the process, since our windows' visual comes from them.
class GlxHandle : public detail::GlSurfaces {
public:
    const std::vector<PIXELFORMATDESCRIPTOR>& formatsFor(HWND w) override { return glx()->formatsFor(w); }
    bool setFormat(HWND w, int f) override { return glx()->setFormat(w, f); }
    HGLRC createContext(HWND w) override { return glx()->createContext(w); }
    bool makeCurrent(HWND w, HGLRC c) override { return glx()->makeCurrent(w, c); }
    bool swap(HWND w) override { return glx()->swap(w); }
    void forget(HWND w) override { glx()->forget(w); }
};

}  // namespace

const XVisualInfo* defaultGlVisual() { return glx() ? glx()->defaultVisual() : nullptr; }

const XVisualInfo* frameGlVisualOf(Window window) { return glx() ? glx()->frameVisualOf(window) : nullptr; }

void glWindowResized(Window outer, int width, int height) {
    if (glx()) glx()->resized(outer, width, height);
}

Window outerOfDrawable(Window window) { return g_glx ? g_glx->outerOf(window) : window; }

}  // namespace x11

namespace detail {

GlSurfaces* makeNoDisplaySurfaces();

GlSurfaces* makeX11Surfaces() {
    return x11::glx() ? static_cast<GlSurfaces*>(new x11::GlxHandle) : makeNoDisplaySurfaces();
}

}  // namespace detail
}  // namespace platform
