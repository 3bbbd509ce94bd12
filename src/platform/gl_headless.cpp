#include "platform/gl_headless.h"

#include <GL/glew.h>
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdlib>
#include <cstring>

#include "platform/gl_offscreen.h"

namespace platform {

struct HeadlessGl::Egl {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
};

namespace {

bool hasExtension(const char* list, const char* name) {
    if (!list) return false;
    const std::size_t n = std::strlen(name);
    for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += n)
        if ((p == list || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
    return false;
}

}  // namespace

HeadlessGl::HeadlessGl(int width, int height) : width_(width), height_(height) {
    if (width < 1 || height < 1) {
        error_ = "the picture needs a positive size";
        return;
    }
    std::string eglWhy;
    if (openEgl(&eglWhy)) {
        kind_ = "EGL surfaceless";
        return;
    }
    closeEgl();
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        error_ = "EGL: " + eglWhy + "; no X display for a GLX pbuffer";
        return;
    }
    glx_ = std::make_unique<OffscreenGl>(width, height);
    if (!glx_->ok()) {
        error_ = "EGL: " + eglWhy + "; GLX: " + glx_->error();
        glx_.reset();
        return;
    }
    kind_ = "GLX pbuffer";
}

HeadlessGl::~HeadlessGl() { closeEgl(); }

bool HeadlessGl::openEgl(std::string* why) {
    egl_ = std::make_unique<Egl>();
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!hasExtension(clientExtensions, "EGL_MESA_platform_surfaceless")) {
        *why = "no surfaceless platform";
        return false;
    }
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) {
        *why = "no eglGetPlatformDisplayEXT";
        return false;
    }
    egl_->display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (egl_->display == EGL_NO_DISPLAY || !eglInitialize(egl_->display, &major, &minor)) {
        egl_->display = EGL_NO_DISPLAY;
        *why = "cannot initialise the surfaceless display";
        return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        *why = "no desktop OpenGL";
        return false;
    }
    const EGLint wanted[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(egl_->display, wanted, &config, 1, &count) || count < 1) {
        if (!hasExtension(eglQueryString(egl_->display, EGL_EXTENSIONS), "EGL_KHR_no_config_context")) {
            *why = "no configuration for desktop OpenGL";
            return false;
        }
        config = nullptr;  // EGL_NO_CONFIG_KHR
    }
    // No version asked for: a compatibility context, so immediate mode works.
    egl_->context = eglCreateContext(egl_->display, config, EGL_NO_CONTEXT, nullptr);
    if (egl_->context == EGL_NO_CONTEXT) {
        *why = "cannot create a context";
        return false;
    }
    if (!eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl_->context)) {
        *why = "cannot make the context current without a surface";
        return false;
    }
    // GLEW also looks for GLX, which a surfaceless context has none of; the
    // GL entry points are loaded before it does.
    glewExperimental = GL_TRUE;
    const GLenum glew = glewInit();
    if (glew != GLEW_OK && glew != GLEW_ERROR_NO_GLX_DISPLAY) {
        *why = std::string("glewInit failed: ") + reinterpret_cast<const char*>(glewGetErrorString(glew));
        return false;
    }
    if (!glGenFramebuffers || !glGenRenderbuffers) {
        *why = "no framebuffer objects";
        return false;
    }
    glGenFramebuffers(1, &egl_->framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, egl_->framebuffer);
    glGenRenderbuffers(1, &egl_->colour);
    glBindRenderbuffer(GL_RENDERBUFFER, egl_->colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, egl_->colour);
    glGenRenderbuffers(1, &egl_->depth);
    glBindRenderbuffer(GL_RENDERBUFFER, egl_->depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width_, height_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, egl_->depth);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        *why = "the framebuffer object is incomplete";
        return false;
    }
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glViewport(0, 0, width_, height_);
    return true;
}

void HeadlessGl::closeEgl() {
    if (!egl_) return;
    if (egl_->display != EGL_NO_DISPLAY) {
        if (egl_->context != EGL_NO_CONTEXT && eglGetCurrentContext() == egl_->context) {
            if (egl_->framebuffer) {
                glBindFramebuffer(GL_FRAMEBUFFER, 0);
                glDeleteFramebuffers(1, &egl_->framebuffer);
            }
            for (GLuint* rb : {&egl_->colour, &egl_->depth})
                if (*rb) glDeleteRenderbuffers(1, rb);
            eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }
        if (egl_->context != EGL_NO_CONTEXT) eglDestroyContext(egl_->display, egl_->context);
        // The display stays initialised until the process ends, like every
        // other rendering resource of the program: terminating it unloads
        // Mesa's driver, whose lifetime allocations then show as leaks, and
        // the next picture would load the driver all over again.
    }
    egl_.reset();
}

std::vector<unsigned char> HeadlessGl::readPixels() const {
    if (!ok()) return {};
    if (glx_) return glx_->readPixels();
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width_) * height_ * 4);
    glFinish();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, egl_->framebuffer);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

}  // namespace platform
