#include <gtest/gtest.h>

#include "gl_scene_fixture.h"
#include "platform/random.h"
#include "render/texture.h"
#include "scene/scene.h"
#include "scene/snowflake.h"

namespace {
class SceneDraw : public GlSceneTest {};

bool isBackground(const Pixel& p) { return near(p, 40, 90, 200); }
// Clearly lighter than the background: a flake blended over it.
bool isSnow(const Pixel& p) { return p.r > 40 + 60 && p.g > 90 + 60; }
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

    clear();
    scene.draw();
    readBack();
    for (auto [x, y] : {std::pair{0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}})
        EXPECT_TRUE(isBackground(at(x, y)) || isSnow(at(x, y))) << x << "," << y;
    const int background = countPixels(isBackground);
    const int snow = countPixels(isSnow);
    const int other = kWidth * kHeight - background - snow;
    EXPECT_GT(background, kWidth * kHeight * 8 / 10);
    EXPECT_GT(snow, 200);
    // Nothing is left black: the background covers the whole view.
    EXPECT_EQ(countPixels([](const Pixel& p) { return p.r + p.g + p.b < 30; }), 0);
    EXPECT_LT(other, kWidth * kHeight / 10);

    // The snow moves: another frame lights other pixels.
    std::vector<bool> lit(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) lit[y * kWidth + x] = isSnow(at(x, y));
    for (int i = 0; i < 20; ++i) scene.update();
    clear();
    scene.draw();
    readBack();
    int changed = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (lit[y * kWidth + x] != isSnow(at(x, y))) ++changed;
    EXPECT_GT(changed, 100);
}

TEST_F(SceneDraw, SunLiesOverTheBackgroundAboveTheCentre) {
    writePictureScene("s", true);
    Scene scene("s");
    ASSERT_NE(scene.sunSprite(), nullptr);
    ASSERT_NE(scene.sunTexture()->id, 0u);
    // Blow the snow out of the way to look at the sun alone.
    for (int i = 0; i < Scene::kFlakeCount; ++i) scene.snowflake(i)->x = 5000;
    scene.update();
    clear();
    scene.draw();
    readBack();
    // The sun's 60 units at 199 units from the eye span about 50 pixels,
    // centred 50 units (about 42 pixels) above the middle.
    EXPECT_TRUE(near(at(kWidth / 2, kHeight / 2 + 42), 255, 0, 0)) << at(kWidth / 2, kHeight / 2 + 42).r;
    EXPECT_TRUE(near(at(kWidth / 2, kHeight / 2 + 20), 255, 0, 0));
    EXPECT_TRUE(isBackground(at(kWidth / 2, kHeight / 2 - 10)));
    EXPECT_TRUE(isBackground(at(kWidth / 2 + 40, kHeight / 2 + 42)));
    const int red = countPixels([](const Pixel& p) { return near(p, 255, 0, 0); });
    EXPECT_GT(red, 40 * 40);
    EXPECT_LT(red, 60 * 60);

    // A flake drawn after the sun covers it: one at depth 45 (alpha 0.9),
    // 55 units from the eye, placed on the line of sight to the sun's centre.
    scene.snowflake(0)->init(scene.snowflake(0)->sprite, 0, 50.0f * 55 / 199, 45, 0, 0, 0);
    scene.update();
    clear();
    scene.draw();
    readBack();
    const Pixel covered = at(kWidth / 2, kHeight / 2 + 42);
    EXPECT_GT(covered.g, 200) << covered.r << "," << covered.g << "," << covered.b;
    EXPECT_GT(covered.r, 240);
}

TEST_F(SceneDraw, FadeQuadDarkensByTheTimeline) {
    g_options.changeFrequency = 1;
    writePictureScene("s", false);
    Scene scene("s");
    for (int i = 0; i < Scene::kFlakeCount; ++i) scene.snowflake(i)->x = 5000;
    scene.update();
    struct Case {
        int count;
        double brightness;
        bool change;
    };
    const Case cases[] = {
        {0, 0.0, false}, {50, 0.5, false}, {99, 0.99, false}, {100, 1.0, false},
        {2000, 1.0, false}, {2050, 0.5, false}, {2100, 0.0, true},
    };
    for (const Case& c : cases) {
        clear();
        scene.draw();
        EXPECT_EQ(scene.fade(c.count), c.change) << c.count;
        readBack();
        const Pixel p = at(kWidth / 3, kHeight / 3);
        EXPECT_NEAR(p.b, 200 * c.brightness, 4) << c.count;
        EXPECT_NEAR(p.g, 90 * c.brightness, 4) << c.count;
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
    readBack();
    EXPECT_EQ(countPixels([](const Pixel& p) { return p.r + p.g + p.b != 0; }), 0);
}
