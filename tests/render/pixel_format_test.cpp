#include <gtest/gtest.h>

#include <vector>

#include "platform/gl_surface.h"
#include "platform/window.h"
#include "render/surface.h"
#include "support/message_box_recorder.h"

namespace {

LRESULT plainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

struct PixelFormatCase {
    const char* name;
    std::vector<PIXELFORMATDESCRIPTOR> formats;
    std::vector<int> accumRequests;  // cAccumBits of every ChoosePixelFormat
    int formatSet;
    bool accumUsable;
    std::vector<std::string> boxes;
};

PIXELFORMATDESCRIPTOR fmt(BYTE accum, bool generic) { return platform::makePixelFormat(32, 24, accum, generic); }

class PixelFormatTest : public ::testing::TestWithParam<PixelFormatCase> {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        platform::resetInMemoryWindows();
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = plainProc;
        wc.lpszClassName = "PixelFormatTestWindow";
        RegisterClassExA(&wc);
        window = CreateWindowExA(0, "PixelFormatTestWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64,
                                 nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        platform::clearFakeGlLog();
    }
    void TearDown() override { platform::resetInMemoryWindows(); }
    HWND window = nullptr;
};

TEST_P(PixelFormatTest, ChoosesSetsAndReports) {
    const PixelFormatCase& c = GetParam();
    platform::setFakePixelFormats(c.formats);
    accumBufferUsable = !c.accumUsable;  // must be rewritten
    MessageBoxRecorder boxes;

    setupPixelFormat(window);

    EXPECT_EQ(renderDC, GetDC(window));
    const platform::FakeGlLog& log = platform::fakeGlLog();
    std::vector<int> requested;
    for (const PIXELFORMATDESCRIPTOR& r : log.chooseRequests) {
        requested.push_back(r.cAccumBits);
        EXPECT_EQ(r.nSize, 40);
        EXPECT_EQ(r.nVersion, 1);
        EXPECT_EQ(r.dwFlags, 0x25u);
        EXPECT_EQ(r.iPixelType, PFD_TYPE_RGBA);
        EXPECT_EQ(r.cColorBits, 32);
        EXPECT_EQ(r.cDepthBits, 32);
        EXPECT_EQ(r.cStencilBits, 0);
    }
    EXPECT_EQ(requested, c.accumRequests);
    ASSERT_FALSE(log.setFormats.empty());
    EXPECT_EQ(log.setFormats.back(), c.formatSet);
    EXPECT_EQ(accumBufferUsable, c.accumUsable);
    EXPECT_EQ(boxes.summary(), c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, PixelFormatTest,
    ::testing::Values(
        PixelFormatCase{"HardwareWithAccumulation", {fmt(64, false)}, {64}, 1, true, {}},
        PixelFormatCase{"HardwareWithoutAccumulation", {fmt(0, false)}, {64}, 1, false, {}},
        PixelFormatCase{"OnlyGeneric", {fmt(64, true), fmt(0, true)}, {64, 32, 0}, 1, false, {}},
        // The generic format with accumulation wins twice; without asking
        // for accumulation the accelerated one is found.
        PixelFormatCase{"HardwareFoundOnThirdAttempt", {fmt(64, true), fmt(0, false)}, {64, 32, 0}, 2,
                        false, {}},
        PixelFormatCase{"NoFormat",
                        {},
                        {64},
                        0,
                        false,
                        {"Error|ChoosePixelFormat error", "Error|SetPixelFormat error"}}),
    [](const ::testing::TestParamInfo<PixelFormatCase>& info) { return info.param.name; });

}  // namespace
