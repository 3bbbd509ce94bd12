// GLX pixel formats, contexts and presenting on real windows (Xvfb, Mesa).
#include <gtest/gtest.h>
// After gtest: Xlib's macros (None, Bool) would clash with its names.
#include <GL/gl.h>
#include <X11/Xlib.h>

#include <cstring>
#include <string>

#include "platform/gl_surface.h"
#include "platform/window.h"

namespace {

PIXELFORMATDESCRIPTOR saverRequest(BYTE accum) {
    PIXELFORMATDESCRIPTOR r;
    std::memset(&r, 0, sizeof r);
    r.nSize = sizeof r;
    r.nVersion = 1;
    r.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    r.iPixelType = PFD_TYPE_RGBA;
    r.cColorBits = 32;
    r.cAccumBits = accum;
    r.cDepthBits = 32;
    return r;
}

class GlSurfaces : public testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::setWindowBackend(platform::WindowBackend::X11);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "GlWin";
        RegisterClassExA(&wc);
    }
    HWND make(HWND parent = nullptr) {
        DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
        HWND w = CreateWindowExA(0, "GlWin", "", style, 0, 0, 64, 48, parent, nullptr, nullptr, nullptr);
        made.push_back(w);
        return w;
    }
    void TearDown() override {
        wglMakeCurrent(nullptr, nullptr);
        for (HWND w : made)
            if (IsWindow(w)) DestroyWindow(w);
    }
    // Clears the back buffer to a colour and reads its centre back.
    static void clearAndRead(HDC dc, unsigned char rgba[4]) {
        HGLRC context = wglCreateContext(dc);
        ASSERT_NE(context, nullptr);
        ASSERT_TRUE(wglMakeCurrent(dc, context));
        glViewport(0, 0, 64, 48);
        glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glReadBuffer(GL_BACK);
        glReadPixels(32, 24, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        EXPECT_TRUE(SwapBuffers(dc));
    }
    static void expectClearColour(const unsigned char rgba[4]) {
        EXPECT_NEAR(rgba[0], 64, 1);
        EXPECT_NEAR(rgba[1], 128, 1);
        EXPECT_NEAR(rgba[2], 191, 1);
    }
    std::vector<HWND> made;
};

TEST_F(GlSurfaces, DefaultFormatIsDoubleBufferedRgbaWithDepth) {
    HDC dc = GetDC(make());
    PIXELFORMATDESCRIPTOR d;
    int count = DescribePixelFormat(dc, 1, sizeof d, &d);
    ASSERT_GT(count, 1);
    EXPECT_TRUE(d.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_TRUE(d.dwFlags & PFD_DRAW_TO_WINDOW);
    EXPECT_EQ(d.iPixelType, PFD_TYPE_RGBA);
    EXPECT_GE(d.cRedBits, 8);
    EXPECT_GE(d.cDepthBits, 24);
    // Accumulation bits come from the configurations themselves.
    bool someAccum = false;
    for (int i = 1; i <= count; ++i) {
        DescribePixelFormat(dc, i, sizeof d, &d);
        someAccum = someAccum || d.cAccumBits > 0;
    }
    EXPECT_TRUE(someAccum);
}

TEST_F(GlSurfaces, ChosenFormatsDrawAndReadBack) {
    // 0 and 32 accumulation bits choose different configurations, and so
    // different visuals: the second one draws through a GL child window.
    for (BYTE accum : {BYTE{0}, BYTE{32}}) {
        HDC dc = GetDC(make());
        PIXELFORMATDESCRIPTOR r = saverRequest(accum);
        int format = ChoosePixelFormat(dc, &r);
        ASSERT_GT(format, 0);
        PIXELFORMATDESCRIPTOR d;
        DescribePixelFormat(dc, format, sizeof d, &d);
        EXPECT_EQ(d.cAccumBits > 0, accum > 0);
        ASSERT_TRUE(SetPixelFormat(dc, format, &d));
        EXPECT_FALSE(SetPixelFormat(dc, format == 1 ? 2 : 1, &d));
        unsigned char rgba[4] = {};
        clearAndRead(dc, rgba);
        expectClearColour(rgba);
        const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        ASSERT_NE(renderer, nullptr);
        if (std::string(renderer).find("llvmpipe") != std::string::npos) {
            EXPECT_TRUE(d.dwFlags & PFD_GENERIC_FORMAT) << "software rendering is generic";
        }
    }
}

TEST_F(GlSurfaces, ForeignWindowOffersOnlyItsOwnVisual) {
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    Window foreign = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 64, 48, 0, 0, 0);
    XMapWindow(other, foreign);
    XSync(other, False);
    HDC dc = GetDC(hwndFromId(foreign));
    ASSERT_NE(dc, nullptr);
    PIXELFORMATDESCRIPTOR d;
    int count = DescribePixelFormat(dc, 1, sizeof d, &d);
    HDC ours = GetDC(make());
    EXPECT_LT(count, DescribePixelFormat(ours, 1, sizeof d, &d));
    ASSERT_GT(count, 0) << "the screen's default visual carries GL configurations";
    ASSERT_TRUE(SetPixelFormat(dc, 1, &d));
    unsigned char rgba[4] = {};
    clearAndRead(dc, rgba);
    expectClearColour(rgba);
    wglMakeCurrent(nullptr, nullptr);
    XDestroyWindow(other, foreign);
    XCloseDisplay(other);
}

TEST_F(GlSurfaces, ContextNeedsAFormatAndSurvivesItsWindow) {
    HWND w = make();
    HDC dc = GetDC(w);
    EXPECT_EQ(wglCreateContext(dc), nullptr);
    PIXELFORMATDESCRIPTOR d;
    ASSERT_TRUE(SetPixelFormat(dc, 1, &d));
    HGLRC context = wglCreateContext(dc);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(wglMakeCurrent(dc, context));
    DestroyWindow(w);
    EXPECT_FALSE(SwapBuffers(dc));
    // The same context goes on with another window of the same format.
    HDC second = GetDC(make());
    ASSERT_TRUE(SetPixelFormat(second, 1, &d));
    EXPECT_TRUE(wglMakeCurrent(second, context));
    EXPECT_FALSE(wglMakeCurrent(second, reinterpret_cast<HGLRC>(0x1234)));
}

}  // namespace
