// A test fixture with an off-screen GL context, for tests that draw and look
// at the pixels. Needs an X display (scripts/with-xvfb gives one). One
// context of each size serves every test of the program (making a software
// context costs far more than a test); each test starts from the saver's
// fixed state and a black buffer, and what it changes of the GL state is
// undone after it, when it must also have left no GL error behind.
// Tests that need GLEW include <GL/glew.h> before this header.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gl_offscreen.h"

struct Rgba {
    int r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
std::ostream& operator<<(std::ostream& out, const Rgba& c);

// True when every channel of the colour but alpha is within tolerance.
bool nearColour(const Rgba& actual, const Rgba& expected, int tolerance);

// A rectangle of pixels [x0, x1) x [y0, y1), y counted from the bottom.
struct PixelRect {
    int x0, y0, x1, y1;
    bool operator==(const PixelRect& o) const {
        return x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1;
    }
};
std::ostream& operator<<(std::ostream& out, const PixelRect& r);

class GlTest : public ::testing::Test {
protected:
    explicit GlTest(int width = 64, int height = 32) : width_(width), height_(height) {}
    void SetUp() override;
    void TearDown() override;

    // The fixed state every frame of the saver is drawn with: lighting with
    // the default light and colour material, flat shading, 2D texturing and
    // alpha blending, modulating texture environment, no depth test.
    static void useSceneState();
    // World units mapped straight onto the buffer: x from left to right,
    // y from bottom to top, z from -100 to 100.
    static void useProjection(float left, float right, float bottom, float top);
    static void clearTo(float r, float g, float b);

    // Reads the buffer back; pixel() reads from the last capture.
    void capture();
    Rgba pixel(int x, int y) const;
    // The bounding box of the pixels that differ from `background`, or an
    // empty rectangle (all zero) when none does.
    PixelRect extentOf(const Rgba& background) const;

    int width_;
    int height_;
    platform::OffscreenGl* gl_ = nullptr;
    std::vector<unsigned char> frame_;

private:
    bool pushed_ = false;
};
