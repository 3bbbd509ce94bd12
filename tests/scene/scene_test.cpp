// Scenes whose pictures are all missing make no GL calls, so loading, the
// snowfall and the wind are checked here without a display.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/random.h"
#include "render/sprite.h"
#include "render/texture.h"
#include "scene/scene.h"
#include "scene/snowflake.h"
#include "settings/options.h"
#include "support/data_dir_test.h"

namespace {

class SceneLoad : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        savedOptions_ = g_options;
        platform::seedRandom(1234);
    }
    void TearDown() override {
        g_options = savedOptions_;
        DataDirTest::TearDown();
    }
    std::vector<std::string> missingFlakePictureBoxes() const {
        return {DataDir + "_snowflakes//sf4.jpg|Unable to load JPG File!",
                DataDir + "_snowflakes//sf4a.jpg|Unable to load JPG File!"};
    }

private:
    Options savedOptions_;
};

void expectSprite(const Sprite* s, const Texture* tex, float x, float y, float z, float w, float h, float r, float g,
                  float b, float a) {
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->texture, tex);
    EXPECT_EQ(s->x, x);
    EXPECT_EQ(s->y, y);
    EXPECT_EQ(s->z, z);
    EXPECT_EQ(s->width, w);
    EXPECT_EQ(s->height, h);
    EXPECT_EQ(s->red, r);
    EXPECT_EQ(s->green, g);
    EXPECT_EQ(s->blue, b);
    EXPECT_EQ(s->alpha, a);
}

void expectFailedAndHarmless(Scene& scene) {
    EXPECT_FALSE(scene.loaded());
    EXPECT_EQ(scene.backgroundSprite(), nullptr);
    EXPECT_EQ(scene.sunSprite(), nullptr);
    EXPECT_EQ(scene.fadeSprite(), nullptr);
    EXPECT_EQ(scene.snowflake(0), nullptr);
    EXPECT_EQ(scene.snowflakeSprite(0), nullptr);
    EXPECT_EQ(scene.snowflakeTextureCount(), 0);
    scene.update();
    scene.setWindX(1);
    scene.setWindZ(1);
    scene.setWindFromSlider(100);
    scene.draw();
    for (int a : {0, 50, 100, 2100, 1000000}) EXPECT_FALSE(scene.fade(a)) << a;
}

}  // namespace

TEST_F(SceneLoad, BrokenSceneFilesGiveFailedScenes) {
    const std::string longName(255 + 1 - DataDir.size() - std::string("/scene.xml").size(), 'n');
    const std::string longPicture(511 + 1 - DataDir.size() - std::string("pic/").size(), 'p');
    struct Case {
        const char* name;
        std::string folder;
        bool write;
        std::string xml;
        std::vector<std::string> boxCaptions;
    };
    const std::string box = "|Error opening file for reading";
    const Case cases[] = {
        {"no scene.xml", "missing", false, "", {DataDir + "missing/scene.xml" + box}},
        {"malformed", "bad", true, "<Scene><Back file=\"b.jpg\"></Scene>", {DataDir + "bad/scene.xml" + box}},
        {"empty file", "empty", true, "", {DataDir + "empty/scene.xml" + box}},
        {"no element", "bare", true, "<?xml version=\"1.0\"?><!-- no element -->", {}},
        {"empty folder name", "", false, "", {}},
        {"scene.xml path beyond 255", longName, true, "<Scene/>", {DataDir + longName + "/scene.xml" + box}},
        {"picture path beyond 511", "pic", true, "<Scene><Back file=\"" + longPicture + "\"/></Scene>",
         {DataDir + "pic/" + longPicture + box}},
    };
    for (const Case& c : cases) {
        if (c.write) writeScene(c.folder, c.xml);
        boxes.clear();
        Scene scene(c.folder.c_str());
        SCOPED_TRACE(c.name);
        EXPECT_EQ(boxes.summary(), c.boxCaptions);
        expectFailedAndHarmless(scene);
        EXPECT_EQ(scene.folder(), c.folder);
    }
}

TEST_F(SceneLoad, PathsAtTheirLimitsStillLoad) {
    const std::string name(255 - DataDir.size() - std::string("/scene.xml").size(), 'n');
    const std::string picture(511 - DataDir.size() - name.size() - 1, 'p');
    writeScene(name, "<Scene><Back file=\"" + picture + "\"/></Scene>");
    Scene scene(name.c_str());
    EXPECT_TRUE(scene.loaded());
    // The picture was tried (and is missing): its loader reported it.
    ASSERT_GE(boxes.count(), 1u);
    EXPECT_EQ(boxes.calls()[0].caption, DataDir + name + "/" + picture);
}

TEST_F(SceneLoad, InfoOnlySceneLoadsWithUntexturedBackgroundAndNoSun) {
    writeScene("plain", "<Scene><Info Title=\"Plain\"/></Scene>");
    Scene scene("plain");
    ASSERT_TRUE(scene.loaded());
    EXPECT_EQ(boxes.summary(), missingFlakePictureBoxes());
    EXPECT_EQ(scene.backgroundTexture(), nullptr);
    EXPECT_EQ(scene.sunTexture(), nullptr);
    EXPECT_EQ(scene.sunSprite(), nullptr);
    expectSprite(scene.backgroundSprite(), nullptr, 0, 0, -100, 1000, 500, 1, 1, 1, 1);
    // The fade quad's alpha is set before each use; it starts opaque black.
    expectSprite(scene.fadeSprite(), nullptr, 0, 0, -9, 600, 600, 0, 0, 0, 1);

    ASSERT_EQ(scene.snowflakeTextureCount(), 1);
    ASSERT_NE(scene.snowflakeTexture(0), nullptr);
    EXPECT_EQ(scene.snowflakeTexture(0)->id, 0u);  // its pictures are missing
    for (int i = 0; i < Scene::kFlakeCount; ++i) {
        const Sprite* s = scene.snowflakeSprite(i);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->texture, scene.snowflakeTexture(0)) << i;
        EXPECT_EQ(s->width, 1.0f);
        EXPECT_EQ(s->height, 1.0f);
        EXPECT_EQ(scene.snowflake(i)->sprite, s) << i;
    }
    EXPECT_EQ(scene.snowflake(Scene::kFlakeCount), nullptr);
    EXPECT_EQ(scene.snowflake(-1), nullptr);
}

TEST_F(SceneLoad, PicksTheFirstElementOfEachNameWithItsFileAttribute) {
    struct Case {
        const char* name;
        std::string xml;
        std::string backPicture;  // "" when no background texture is expected
        bool sun;
    };
    const Case cases[] = {
        {"back and sun", "<Scene><Back file=\"b.jpg\"/><Sun file=\"s.tga\"/></Scene>", "b.jpg", true},
        {"two Backs: the first", "<Scene><Back file=\"first.jpg\"/><Back file=\"second.jpg\"/></Scene>",
         "first.jpg", false},
        {"first Back has no file: absent", "<Scene><Back/><Back file=\"second.jpg\"/></Scene>", "", false},
        {"Sun without file: no sun", "<Scene><Sun/><Back file=\"b.jpg\"/></Scene>", "b.jpg", false},
        {"any root name, any order", "<Winter><Sun file=\"s.tga\"/><Info/><Back file=\"b.jpg\"/></Winter>",
         "b.jpg", true},
        {"picture in a subfolder", "<Scene><Back file=\"pics/b.jpg\"/></Scene>", "pics/b.jpg", false},
        {"Back nested deeper is not the root's", "<Scene><Group><Back file=\"b.jpg\"/></Group></Scene>", "",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeScene("s", c.xml);
        boxes.clear();
        Scene scene("s");
        ASSERT_TRUE(scene.loaded());
        if (c.backPicture.empty()) {
            EXPECT_EQ(scene.backgroundTexture(), nullptr);
        } else {
            ASSERT_NE(scene.backgroundTexture(), nullptr);
            ASSERT_GE(boxes.count(), 1u);
            EXPECT_EQ(boxes.calls()[0].caption, DataDir + "s/" + c.backPicture);
        }
        EXPECT_EQ(scene.backgroundSprite()->texture, scene.backgroundTexture());
        if (c.sun) {
            ASSERT_NE(scene.sunTexture(), nullptr);
            expectSprite(scene.sunSprite(), scene.sunTexture(), 0, 50, -99, 60, 60, 1, 1, 1, 1);
        } else {
            EXPECT_EQ(scene.sunTexture(), nullptr);
            EXPECT_EQ(scene.sunSprite(), nullptr);
        }
    }
}

TEST_F(SceneLoad, SnowIsWarmedUpWithStillDepthAndTheSettingsWind) {
    g_options.xSpeed = 100;
    g_options.zSpeed = 77;  // has no effect on the snowfall
    writeScene("s", "<Scene/>");
    Scene scene("s");
    ASSERT_TRUE(scene.loaded());
    const float vx = windFromSlider(100, scene.snowflake(0)->vy);
    EXPECT_GT(vx, 0.0f);
    int high = 0, low = 0;
    for (int i = 0; i < Scene::kFlakeCount; ++i) {
        const Snowflake& f = *scene.snowflake(i);
        const Sprite& s = *scene.snowflakeSprite(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(f.vz, 0.0f);
        EXPECT_EQ(f.vx, vx);
        EXPECT_GE(f.vy, -0.399f - 1e-6f);
        EXPECT_LE(f.vy, -0.2f + 1e-6f);
        EXPECT_GE(f.y, -120.0f);
        EXPECT_LT(f.y, 150.0f);
        EXPECT_EQ(s.x, f.x);
        EXPECT_EQ(s.y, f.y);
        EXPECT_EQ(s.z, f.z);
        // Either just respawned (alpha 0 at a whole height above the view)
        // or fading by its depth.
        const bool justRespawned = s.alpha == 0.0f && f.y >= 120.0f && f.y == std::floor(f.y);
        if (!justRespawned) {
            EXPECT_FLOAT_EQ(s.alpha, f.z / 50.0f);
        }
        if (f.y > 60) ++high;
        if (f.y < -60) ++low;
    }
    // 2000 steps of 0.2 to 0.4 have spread the snow over the whole height.
    EXPECT_GT(high, 100);
    EXPECT_GT(low, 100);
}

TEST_F(SceneLoad, SameSeedSameSnowfall) {
    writeScene("s", "<Scene/>");
    platform::seedRandom(99);
    Scene first("s");
    platform::seedRandom(99);
    Scene second("s");
    for (int i = 0; i < Scene::kFlakeCount; ++i) {
        ASSERT_EQ(first.snowflake(i)->x, second.snowflake(i)->x) << i;
        ASSERT_EQ(first.snowflake(i)->y, second.snowflake(i)->y) << i;
        ASSERT_EQ(first.snowflake(i)->z, second.snowflake(i)->z) << i;
    }
}

TEST(WindFromSlider, ScalesBySettingAndFallSpeed) {
    struct Case {
        int setting;
        float vy0;
        float vx;
    };
    const Case cases[] = {
        {50, -0.3f, 0.0f},   {50, -0.2f, 0.0f},   {100, -0.3f, 0.15f}, {0, -0.3f, -0.15f},
        {100, -0.2f, 0.1f},  {75, -0.399f, 0.09975f}, {0, -0.399f, -0.1995f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(windFromSlider(c.setting, c.vy0), c.vx) << c.setting << " " << c.vy0;
}

TEST_F(SceneLoad, WindOperationsReachEveryFlake) {
    writeScene("s", "<Scene/>");
    Scene scene("s");
    ASSERT_TRUE(scene.loaded());
    scene.snowflake(0)->vy = -0.3f;
    struct Step {
        int slider;
        float vx;
    };
    for (const Step& st : {Step{100, 0.15f}, Step{0, -0.15f}, Step{50, 0.0f}}) {
        scene.setWindFromSlider(st.slider);
        for (int i = 0; i < Scene::kFlakeCount; ++i) ASSERT_FLOAT_EQ(scene.snowflake(i)->vx, st.vx) << i;
    }
    scene.setWindZ(0.5f);
    scene.setWindX(-2.0f);
    for (int i = 0; i < Scene::kFlakeCount; ++i) {
        ASSERT_EQ(scene.snowflake(i)->vz, 0.5f) << i;
        ASSERT_EQ(scene.snowflake(i)->vx, -2.0f) << i;
    }
}

TEST_F(SceneLoad, UpdateStepsEveryFlakeOnce) {
    writeScene("s", "<Scene/>");
    Scene scene("s");
    std::vector<float> before;
    for (int i = 0; i < Scene::kFlakeCount; ++i) before.push_back(scene.snowflake(i)->y);
    scene.update();
    for (int i = 0; i < Scene::kFlakeCount; ++i) {
        const Snowflake& f = *scene.snowflake(i);
        if (f.y >= 120.0f) continue;  // respawned in this step
        ASSERT_FLOAT_EQ(f.y, before[i] + f.vy) << i;
    }
}
