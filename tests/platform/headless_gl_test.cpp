// The off-screen context for pictures works without any X server.
#include <GL/glew.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/gl_headless.h"
#include "support/scoped_env.h"

namespace {

struct Px {
    int r, g, b;
    bool operator==(const Px& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& out, const Px& p) {
    return out << "(" << p.r << ", " << p.g << ", " << p.b << ")";
}

Px at(const std::vector<unsigned char>& pixels, int width, int x, int y) {
    const unsigned char* p = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST(HeadlessGl, DrawsImmediateModeWithoutAnyDisplay) {
    ScopedEnv noDisplay("DISPLAY", nullptr);
    platform::HeadlessGl gl(16, 8);
    ASSERT_TRUE(gl.ok()) << gl.error();
    EXPECT_EQ(gl.kind(), "EGL surfaceless");

    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    // The saver draws with the fixed pipeline: a red quad over the left half
    // of the bottom row pair.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 16, 0, 8, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 0, 0);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(8, 0);
    glVertex2f(8, 2);
    glVertex2f(0, 2);
    glEnd();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const std::vector<unsigned char> pixels = gl.readPixels();
    ASSERT_EQ(pixels.size(), 16u * 8u * 4u);
    // Bottom row first.
    EXPECT_EQ(at(pixels, 16, 0, 0), (Px{255, 0, 0}));
    EXPECT_EQ(at(pixels, 16, 7, 1), (Px{255, 0, 0}));
    EXPECT_EQ(at(pixels, 16, 8, 0), (Px{0, 0, 255}));
    EXPECT_EQ(at(pixels, 16, 0, 2), (Px{0, 0, 255}));
    EXPECT_EQ(at(pixels, 16, 15, 7), (Px{0, 0, 255}));
}

TEST(HeadlessGl, RefusesSizesWithoutPixels) {
    const int sizes[][2] = {{0, 4}, {4, 0}, {-3, 2}};
    for (const auto& s : sizes) {
        platform::HeadlessGl gl(s[0], s[1]);
        EXPECT_FALSE(gl.ok()) << s[0] << "x" << s[1];
        EXPECT_FALSE(gl.error().empty());
        EXPECT_TRUE(gl.kind().empty());
        EXPECT_TRUE(gl.readPixels().empty());
    }
}
