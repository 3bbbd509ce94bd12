// A newly loaded scene shows its snow as 2000 full steps from the start
// values leave it, whatever shortcut the loading takes to get there.
#include <gtest/gtest.h>

#include <vector>

#include "platform/random.h"
#include "render/sprite.h"
#include "scene/scene.h"
#include "scene/snowflake.h"
#include "settings/options.h"
#include "support/data_dir_test.h"

namespace {

class WarmUp : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        savedOptions_ = g_options;
    }
    void TearDown() override {
        g_options = savedOptions_;
        DataDirTest::TearDown();
    }

private:
    Options savedOptions_;
};

}  // namespace

TEST_F(WarmUp, LoadedSnowIsTwoThousandFullStepsFromTheStart) {
    writeScene("s", "<Scene/>");
    // Calm, and winds that blow respawned flakes in from either side.
    for (int wind : {50, 0, 100}) {
        SCOPED_TRACE(wind);
        g_options.xSpeed = wind;

        // The snowfall stepped in full every time, and the generator's next
        // number after it.
        platform::seedRandom(4321);
        std::vector<Sprite> sprites(Scene::kFlakeCount);
        std::vector<Snowflake> flakes(Scene::kFlakeCount);
        for (int i = 0; i < Scene::kFlakeCount; ++i) flakes[i].start(&sprites[i], i);
        const float vx = windFromSlider(wind, flakes[0].vy);
        for (Snowflake& f : flakes) f.vx = vx;
        for (int n = 0; n < Scene::kWarmUpSteps; ++n)
            for (Snowflake& f : flakes) f.step();
        const int nextAfterReference = platform::nextRandom();

        platform::seedRandom(4321);
        Scene scene("s");
        ASSERT_TRUE(scene.loaded());
        EXPECT_EQ(platform::nextRandom(), nextAfterReference);
        for (int i = 0; i < Scene::kFlakeCount; ++i) {
            const Snowflake& f = *scene.snowflake(i);
            const Sprite& s = *scene.snowflakeSprite(i);
            ASSERT_EQ(f.x, flakes[i].x) << i;
            ASSERT_EQ(f.y, flakes[i].y) << i;
            ASSERT_EQ(f.z, flakes[i].z) << i;
            ASSERT_EQ(s.x, sprites[i].x) << i;
            ASSERT_EQ(s.y, sprites[i].y) << i;
            ASSERT_EQ(s.z, sprites[i].z) << i;
            ASSERT_EQ(s.alpha, sprites[i].alpha) << i;
            ASSERT_EQ(s.red, sprites[i].red) << i;
        }
    }
}
