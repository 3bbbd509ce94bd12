#include <gtest/gtest.h>

#include <vector>

#include "gl_scene_fixture.h"
#include "platform/random.h"
#include "render/texture.h"
#include "scene/scene.h"
#include "scene/snowflake.h"

namespace {

class SceneDraw : public GlSceneTest {};

// Clearly lighter than the background: a flake blended over it.
bool lighter(const Rgba& p, const Rgba& background) {
    return p.r > background.r + 60 && p.g > background.g + 60;
}

}  // namespace

TEST_F(SceneDraw, BackgroundFillsTheViewAndSnowFallsOverIt) {
    g_options.xSpeed = 50;
    writePictureScene("s", false);
    platform::seedRandom(2024);
    Scene scene("s");
    ASSERT_TRUE(scene.loaded());
    ASSERT_NE(scene.backgroundTexture(), nullptr);
    EXPECT_NE(scene.backgroundTexture()->id, 0u);
    EXPECT_NE(scene.snowflakeTexture(0)->id, 0u);
    EXPECT_EQ(boxes.count(), 0u);
    const Rgba back = backgroundColour(scene);
    // The picture's colour, brightened at most by the fixed lighting.
    EXPECT_GE(back.b, 190);
    EXPECT_LT(back.r, back.g);
    EXPECT_LT(back.g, back.b);

    clear();
    scene.draw();
    capture();
    auto isBackground = [&](const Rgba& p) { return nearColour(p, back, 6); };
    auto isSnow = [&](const Rgba& p) { return lighter(p, back); };
    for (auto [x, y] : {std::pair{0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}})
        EXPECT_TRUE(isBackground(pixel(x, y)) || isSnow(pixel(x, y))) << x << "," << y << " " << pixel(x, y);
    const int background = countPixels(isBackground);
    const int snow = countPixels(isSnow);
    EXPECT_GT(background, kWidth * kHeight * 8 / 10);
    EXPECT_GT(snow, 200);
    EXPECT_LT(kWidth * kHeight - background - snow, kWidth * kHeight / 10);
    // Nothing is left black: the background covers the whole view.
    EXPECT_EQ(countPixels([](const Rgba& p) { return p.r + p.g + p.b < 30; }), 0);

    // The snow moves: twenty steps later other pixels are lit.
    std::vector<bool> lit(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) lit[y * kWidth + x] = isSnow(pixel(x, y));
    for (int i = 0; i < 20; ++i) scene.update();
    clear();
    scene.draw();
    capture();
    int changed = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (lit[y * kWidth + x] != isSnow(pixel(x, y))) ++changed;
    EXPECT_GT(changed, 100);
}

TEST_F(SceneDraw, SunLiesOverTheBackgroundUnderTheSnow) {
    writePictureScene("s", true);
    Scene scene("s");
    ASSERT_NE(scene.sunSprite(), nullptr);
    ASSERT_NE(scene.sunTexture()->id, 0u);
    const Rgba back = backgroundColour(scene);
    // Blow the snow out of the way to look at the sun alone.
    clearSnow(scene);
    clear();
    scene.draw();
    capture();
    const Rgba red{255, 0, 0, 255};
    // The sun's 60 units at 199 units from the eye span about 50 pixels,
    // centred 50 units (about 42 pixels) above the middle.
    EXPECT_TRUE(nearColour(pixel(kWidth / 2, kHeight / 2 + 42), red, 6)) << pixel(kWidth / 2, kHeight / 2 + 42);
    EXPECT_TRUE(nearColour(pixel(kWidth / 2, kHeight / 2 + 20), red, 6));
    EXPECT_TRUE(nearColour(pixel(kWidth / 2, kHeight / 2 - 10), back, 6));
    EXPECT_TRUE(nearColour(pixel(kWidth / 2 + 40, kHeight / 2 + 42), back, 6));
    const int sun = countPixels([&](const Rgba& p) { return nearColour(p, red, 6); });
    EXPECT_GT(sun, 40 * 40);
    EXPECT_LT(sun, 60 * 60);

    // A flake is drawn after the sun and covers it: one at depth 45 (alpha
    // 0.9), 55 units from the eye, on the line of sight to the sun's centre.
    scene.snowflake(0)->init(scene.snowflake(0)->sprite, 0, 50.0f * 55 / 199, 45, 0, 0, 0);
    scene.update();
    clear();
    scene.draw();
    capture();
    const Rgba covered = pixel(kWidth / 2, kHeight / 2 + 42);
    EXPECT_GT(covered.g, 200) << covered;
    EXPECT_GT(covered.r, 240) << covered;
}

TEST_F(SceneDraw, FadeQuadDarkensByTheTimeline) {
    g_options.changeFrequency = 1;
    writePictureScene("s", false);
    Scene scene("s");
    const Rgba back = backgroundColour(scene);
    clearSnow(scene);
    struct Case {
        int count;
        double brightness;
        bool change;
    };
    const Case cases[] = {
        {0, 0.0, false},    {50, 0.5, false},   {99, 0.99, false}, {100, 1.0, false},
        {2000, 1.0, false}, {2050, 0.5, false}, {2100, 0.0, true},
    };
    for (const Case& c : cases) {
        clear();
        scene.draw();
        EXPECT_EQ(scene.fade(c.count), c.change) << c.count;
        capture();
        const Rgba p = pixel(kWidth / 3, kHeight / 3);
        EXPECT_TRUE(nearColour(p, scaled(back, c.brightness), 4)) << c.count << " " << p;
    }
}

TEST_F(SceneDraw, DestructionReleasesTheTextures) {
    writePictureScene("s", true);
    Scene* scene = new Scene("s");
    const GLuint ids[] = {scene->backgroundTexture()->id, scene->sunTexture()->id, scene->snowflakeTexture(0)->id};
    for (GLuint id : ids) {
        ASSERT_NE(id, 0u);
        EXPECT_TRUE(glIsTexture(id));
    }
    delete scene;
    for (GLuint id : ids) EXPECT_FALSE(glIsTexture(id)) << id;
}

TEST_F(SceneDraw, FailedSceneDrawsNothing) {
    Scene scene("missing");
    ASSERT_FALSE(scene.loaded());
    clear();
    scene.draw();
    EXPECT_FALSE(scene.fade(0));
    capture();
    EXPECT_EQ(countPixels([](const Rgba& p) { return p.r + p.g + p.b != 0; }), 0);
}
