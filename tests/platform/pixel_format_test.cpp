// Choosing pixel formats, and the in-memory surfaces that let tests say which
// formats a device offers.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gl_surface.h"
#include "platform/window.h"

namespace {

PIXELFORMATDESCRIPTOR request(BYTE accum) {
    PIXELFORMATDESCRIPTOR r = platform::makePixelFormat(32, 32, accum, false);
    r.cRedBits = r.cGreenBits = r.cBlueBits = r.cAlphaBits = 0;
    return r;
}

TEST(PixelFormatChoice, BestFitTable) {
    using platform::makePixelFormat;
    const PIXELFORMATDESCRIPTOR hw = makePixelFormat(32, 24, 0, false);
    const PIXELFORMATDESCRIPTOR hwAccum = makePixelFormat(32, 24, 64, false);
    const PIXELFORMATDESCRIPTOR swAccum = makePixelFormat(32, 24, 64, true);
    const PIXELFORMATDESCRIPTOR sw = makePixelFormat(32, 24, 0, true);
    PIXELFORMATDESCRIPTOR single = hwAccum;
    single.dwFlags &= ~PFD_DOUBLEBUFFER;
    PIXELFORMATDESCRIPTOR shallow = makePixelFormat(16, 16, 0, false);
    struct Case {
        const char* name;
        std::vector<PIXELFORMATDESCRIPTOR> formats;
        BYTE accum;
        int expect;
    };
    const Case cases[] = {
        {"nothing offered", {}, 64, 0},
        {"only single-buffered", {single}, 64, 0},
        {"accelerated with accumulation wins", {sw, swAccum, hwAccum}, 64, 3},
        {"accumulation outranks acceleration", {hw, swAccum}, 64, 2},
        {"without accumulation asked, acceleration wins", {swAccum, hw}, 0, 2},
        {"no accumulation asked: the smallest", {hwAccum, hw}, 0, 2},
        {"shallow colour loses", {shallow, hw}, 0, 2},
        {"order breaks ties", {hw, hw}, 0, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::bestPixelFormat(c.formats, request(c.accum)), c.expect) << c.name;
}

class FakeSurfaces : public testing::Test {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        platform::resetInMemoryWindows();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "G";
        RegisterClassExA(&wc);
        window = CreateWindowExA(0, "G", "", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
        dc = GetDC(window);
    }
    void TearDown() override { platform::setFakePixelFormats({platform::makePixelFormat(32, 24, 64, false)}); }
    HWND window;
    HDC dc;
};

TEST_F(FakeSurfaces, FormatsAreDescribedChosenAndSetOnce) {
    platform::setFakePixelFormats(
        {platform::makePixelFormat(32, 24, 0, true), platform::makePixelFormat(32, 24, 64, true)});
    ASSERT_EQ(WindowFromDC(dc), window);
    PIXELFORMATDESCRIPTOR r = request(64);
    EXPECT_EQ(ChoosePixelFormat(dc, &r), 2);
    PIXELFORMATDESCRIPTOR d;
    EXPECT_EQ(DescribePixelFormat(dc, 2, sizeof d, &d), 2);
    EXPECT_EQ(d.cAccumBits, 64);
    EXPECT_TRUE(d.dwFlags & PFD_GENERIC_FORMAT);
    EXPECT_EQ(DescribePixelFormat(dc, 3, sizeof d, &d), 0);
    EXPECT_EQ(wglCreateContext(dc), nullptr);  // no format yet
    EXPECT_FALSE(SetPixelFormat(dc, 0, &d));
    EXPECT_TRUE(SetPixelFormat(dc, 1, &d));
    EXPECT_TRUE(SetPixelFormat(dc, 1, &d));
    EXPECT_FALSE(SetPixelFormat(dc, 2, &d));
    EXPECT_EQ(GetPixelFormat(dc), 1);
    const platform::FakeGlLog& log = platform::fakeGlLog();
    ASSERT_EQ(log.chooseRequests.size(), 1u);
    EXPECT_EQ(log.chooseRequests[0].cAccumBits, 64);
    EXPECT_EQ(log.setFormats, (std::vector<int>{0, 1, 1, 2}));
}

TEST_F(FakeSurfaces, ContextsBindAndSwapOnlyWithAFormat) {
    PIXELFORMATDESCRIPTOR d;
    EXPECT_FALSE(SwapBuffers(dc));
    ASSERT_TRUE(SetPixelFormat(dc, 1, &d));
    HGLRC context = wglCreateContext(dc);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(wglMakeCurrent(dc, context));
    EXPECT_TRUE(SwapBuffers(dc));
    EXPECT_EQ(platform::fakeGlLog().swaps, 1);
    EXPECT_EQ(platform::fakeGlLog().current, context);
    DestroyWindow(window);
    EXPECT_EQ(platform::fakeGlLog().current, nullptr);
    EXPECT_FALSE(SwapBuffers(dc));
    EXPECT_EQ(GetDC(window), nullptr);
}

}  // namespace
