#include <GL/glew.h>

#include "support/gl_test.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>

std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << "[" << r.x0 << ", " << r.x1 << ") x [" << r.y0 << ", " << r.y1 << ")";
}

bool nearColour(const Rgba& actual, const Rgba& expected, int tolerance) {
    return std::abs(actual.r - expected.r) <= tolerance &&
           std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}

namespace {
platform::OffscreenGl* sharedContext(int width, int height) {
    // Kept to the end of the process: the GL libraries are torn down at exit.
    static auto* contexts = new std::map<std::pair<int, int>, platform::OffscreenGl*>;
    platform::OffscreenGl*& gl = (*contexts)[{width, height}];
    if (!gl || !gl->ok()) {
        delete gl;
        gl = new platform::OffscreenGl(width, height);
    }
    return gl;
}
}  // namespace

void GlTest::SetUp() {
    gl_ = sharedContext(width_, height_);
    ASSERT_TRUE(gl_->ok()) << gl_->error();
    ASSERT_TRUE(gl_->makeCurrent());
    while (glGetError() != GL_NO_ERROR) {
    }
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    pushed_ = true;
    useSceneState();
    useProjection(0, static_cast<float>(width_), 0, static_cast<float>(height_));
    clearTo(0, 0, 0);
}

void GlTest::TearDown() {
    if (!pushed_) return;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "the test left a GL error";
    glUseProgram(0);
    glPopClientAttrib();
    glPopAttrib();
    pushed_ = false;
}

void GlTest::useSceneState() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glShadeModel(GL_FLAT);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
}

void GlTest::useProjection(float left, float right, float bottom, float top) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlTest::clearTo(float r, float g, float b) {
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GlTest::capture() { frame_ = gl_->readPixels(); }

Rgba GlTest::pixel(int x, int y) const {
    if (frame_.empty() || x < 0 || y < 0 || x >= width_ || y >= height_) return {-1, -1, -1, -1};
    const unsigned char* p = frame_.data() + (static_cast<std::size_t>(y) * width_ + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

PixelRect GlTest::extentOf(const Rgba& background) const {
    PixelRect r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            Rgba c = pixel(x, y);
            if (c.r == background.r && c.g == background.g && c.b == background.b) continue;
            r = {std::min(r.x0, x), std::min(r.y0, y), std::max(r.x1, x + 1),
                 std::max(r.y1, y + 1)};
        }
    if (r.x1 == 0) return {0, 0, 0, 0};
    return r;
}
