#include "render/sprite.h"

#include <functional>

#include "support/gl_test.h"

namespace {

const Rgba kBlack{0, 0, 0, 255};

// 64 x 32 pixels showing x from -8 to 8 and y from -4 to 4: 4 pixels a unit.
class SpriteDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        useProjection(-8, 8, -4, 4);
    }
};

struct PlacementCase {
    const char* name;
    std::function<void(Sprite&)> place;
    PixelRect covered;
};

class SpritePlacement : public SpriteDraw, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(SpritePlacement, CoversExactlyItsRectangle) {
    Sprite sprite;
    GetParam().place(sprite);
    sprite.draw();
    capture();
    EXPECT_EQ(extentOf(kBlack), GetParam().covered);
    const PixelRect& r = GetParam().covered;
    EXPECT_EQ(pixel((r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2), (Rgba{255, 255, 255, 255}));
}

INSTANTIATE_TEST_SUITE_P(
    Sprites, SpritePlacement,
    ::testing::Values(
        PlacementCase{"DefaultIsAUnitSquareAtTheOrigin", [](Sprite&) {}, {30, 14, 34, 18}},
        PlacementCase{"SetGivesCentreAndSize",
                      [](Sprite& s) { s.set(nullptr, 1, 1, 0, 2, 4); }, {32, 12, 40, 28}},
        PlacementCase{"SetPositionMovesTheCentreOnly",
                      [](Sprite& s) {
                          s.set(nullptr, 0, 0, 0, 2, 2);
                          s.setPosition(-5, -2, 50);
                      },
                      {8, 4, 16, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpriteDraw, FacesTheViewer) {
    // Counter-clockwise as seen from +z: survives back-face culling.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    Sprite sprite;
    sprite.set(nullptr, 0, 0, 0, 4, 4);
    sprite.draw();
    glDisable(GL_CULL_FACE);
    capture();
    EXPECT_EQ(extentOf(kBlack), (PixelRect{24, 8, 40, 24}));
}

struct BlendCase {
    const char* name;
    float background[3];
    float alpha;
    bool blending;
    Rgba expected;
};

class SpriteBlend : public SpriteDraw, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(SpriteBlend, MixesWithWhatLiesBelowByItsAlpha) {
    const BlendCase& c = GetParam();
    Sprite below;
    below.set(nullptr, 0, 0, 0, 16, 8);
    below.red = c.background[0];
    below.green = c.background[1];
    below.blue = c.background[2];
    glDisable(GL_BLEND);
    below.draw();

    if (c.blending) glEnable(GL_BLEND);
    Sprite red;
    red.set(nullptr, 0, 0, 0, 4, 4);
    red.green = red.blue = 0;
    red.alpha = c.alpha;
    red.draw();
    capture();
    EXPECT_TRUE(nearColour(pixel(32, 16), c.expected, 1)) << pixel(32, 16);
}

INSTANTIATE_TEST_SUITE_P(
    Sprites, SpriteBlend,
    ::testing::Values(BlendCase{"HalfOverBlackIsHalfTheColour", {0, 0, 0}, 0.5f, true, {128, 0, 0, 0}},
                      BlendCase{"HalfOverBlueMixesBoth", {0, 0, 1}, 0.5f, true, {128, 0, 128, 0}},
                      BlendCase{"ZeroLeavesTheBackground", {0, 0, 1}, 0.0f, true, {0, 0, 255, 0}},
                      BlendCase{"OpaqueWithoutBlending", {0, 0, 1}, 0.5f, false, {255, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
