#include <GL/gl.h>

#include "render/fps_overlay.h"
#include "support/gl_test.h"

namespace {

const Rgba kBlack{0, 0, 0, 255};

// 64 x 32 pixels: one pixel a font cell.
class CornerText : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useSceneState();
        useProjection(-8, 8, -4, 4);
    }
};

}  // namespace

TEST_F(CornerText, LightsTheGlyphCellsInTheTopLeftCorner) {
    drawCornerText("FPS: 1", width_, height_);
    capture();
    // Margin 6, padding 1: the cells start 7 pixels in from the left and the
    // top; 23 columns and 5 rows, y counted from the bottom here.
    EXPECT_EQ(extentOf(kBlack), (PixelRect{7, 32 - 12, 30, 32 - 7}));
    EXPECT_TRUE(nearColour(pixel(7, 32 - 8), Rgba{255, 255, 153, 255}, 2)) << "the top left cell of F";
    EXPECT_TRUE(nearColour(pixel(8, 32 - 9), kBlack, 0)) << "the hole inside F's top";
}

TEST_F(CornerText, DarkensTheBackdropAndLeavesTheRestAndTheStateAlone) {
    clearTo(0.5f, 0.5f, 0.5f);
    GLint viewportBefore[4];
    glViewport(0, 0, 10, 10);
    glGetIntegerv(GL_VIEWPORT, viewportBefore);
    drawCornerText("8", width_, height_);
    GLint viewportAfter[4];
    glGetIntegerv(GL_VIEWPORT, viewportAfter);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(viewportAfter[i], viewportBefore[i]);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    glViewport(0, 0, width_, height_);
    capture();
    const Rgba grey = pixel(40, 10);
    const Rgba backdrop = pixel(6, 32 - 7);  // the padding above and left of the glyph
    EXPECT_LT(backdrop.r, grey.r - 40);
    EXPECT_TRUE(nearColour(pixel(7, 32 - 8), Rgba{255, 255, 153, 255}, 2));
}
