#include "platform/gl_offscreen.h"

#include <GL/glew.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace platform {

struct OffscreenGl::Impl {
    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};

namespace {

// X reports failed requests asynchronously through a process-wide handler
// whose default ends the process. While the buffer is being set up a failure
// is only noted, so a display without pbuffer support gives an error text.
bool g_xFailed = false;
int noteXError(Display*, XErrorEvent*) {
    g_xFailed = true;
    return 0;
}

}  // namespace

OffscreenGl::OffscreenGl(int width, int height)
    : impl_(std::make_unique<Impl>()), width_(width), height_(height) {
    if (width < 1 || height < 1) {
        error_ = "the buffer needs a positive size";
        return;
    }
    impl_->display = XOpenDisplay(nullptr);
    if (!impl_->display) {
        error_ = "cannot open the X display (is DISPLAY set?)";
        return;
    }
    Display* dpy = impl_->display;
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                              GLX_DEPTH_SIZE, 16, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(dpy, DefaultScreen(dpy), attributes, &count);
    if (!configs || count < 1) {
        if (configs) XFree(configs);
        error_ = "no GLX configuration for an RGBA pbuffer";
        return;
    }
    GLXFBConfig config = configs[0];
    XFree(configs);

    XSync(dpy, False);
    g_xFailed = false;
    int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(noteXError);
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height,
                                     GLX_PRESERVED_CONTENTS, True, None};
    impl_->pbuffer = glXCreatePbuffer(dpy, config, pbufferAttributes);
    impl_->context = glXCreateNewContext(dpy, config, GLX_RGBA_TYPE, nullptr, True);
    XSync(dpy, False);
    XSetErrorHandler(previous);
    if (g_xFailed || !impl_->pbuffer || !impl_->context) {
        error_ = "cannot create the pbuffer or its GL context";
        return;
    }
    if (!makeCurrent()) {
        error_ = "cannot make the GL context current";
        return;
    }
    glewExperimental = GL_TRUE;
    GLenum glew = glewInit();
    if (glew != GLEW_OK) {
        error_ = std::string("glewInit failed: ") +
                 reinterpret_cast<const char*>(glewGetErrorString(glew));
        return;
    }
    glViewport(0, 0, width, height);
}

OffscreenGl::~OffscreenGl() {
    Display* dpy = impl_->display;
    if (!dpy) return;
    if (impl_->context) {
        if (glXGetCurrentContext() == impl_->context) glXMakeContextCurrent(dpy, None, None, nullptr);
        glXDestroyContext(dpy, impl_->context);
    }
    if (impl_->pbuffer) glXDestroyPbuffer(dpy, impl_->pbuffer);
    XCloseDisplay(dpy);
}

bool OffscreenGl::makeCurrent() {
    if (!impl_->display || !impl_->pbuffer || !impl_->context) return false;
    return glXMakeContextCurrent(impl_->display, impl_->pbuffer, impl_->pbuffer,
                                 impl_->context) == True;
}

std::vector<unsigned char> OffscreenGl::readPixels() const {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width_) * height_ * 4);
    if (!ok()) return {};
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    GLint drawBuffer = GL_BACK;  // read what was drawn, whichever buffer that is
    glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
    glReadBuffer(static_cast<GLenum>(drawBuffer));
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::string OffscreenGl::renderer() const {
    if (!ok()) return {};
    const GLubyte* name = glGetString(GL_RENDERER);
    return name ? reinterpret_cast<const char*>(name) : "";
}

}  // namespace platform
