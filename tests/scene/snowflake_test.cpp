#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/random.h"
#include "render/sprite.h"
#include "scene/snowflake.h"

namespace {

// The next n numbers the generator will give after seeding it with seed; the
// generator is seeded again, so the code under test sees the same numbers.
std::vector<int> upcomingDraws(unsigned seed, int n) {
    platform::seedRandom(seed);
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(platform::nextRandom());
    platform::seedRandom(seed);
    return out;
}

}  // namespace

TEST(SnowflakeStart, DrawsFallHeightAcrossInThatOrderAndSpreadsDepthByIndex) {
    constexpr int kFlakes = 1000;
    const std::vector<int> r = upcomingDraws(31, 3 * kFlakes);
    std::vector<Sprite> sprites(kFlakes);
    std::vector<Snowflake> flakes(kFlakes);
    for (int i = 0; i < kFlakes; ++i) flakes[i].start(&sprites[i], i);

    for (int i = 0; i < kFlakes; ++i) {
        const Snowflake& f = flakes[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(f.sprite, &sprites[i]);
        EXPECT_FLOAT_EQ(f.vy, -0.2 - (r[3 * i] % 200) / 1000.0);
        EXPECT_FLOAT_EQ(f.y, 50 - (r[3 * i + 1] % 1000) / 10.0);
        EXPECT_EQ(f.x, 200 - r[3 * i + 2] % 400);
        EXPECT_FLOAT_EQ(f.z, i / 20.0);
        EXPECT_EQ(f.vx, 0.0f);
        EXPECT_EQ(f.vz, 0.0f);
    }
    EXPECT_EQ(flakes[999].z, 49.95f);
}

TEST(SnowflakeStart, FirstStepGivesAlphaOfIndexOverThousand) {
    platform::seedRandom(5);
    for (int i : {0, 1, 250, 500, 999}) {
        Sprite s;
        Snowflake f;
        f.start(&s, i);
        ASSERT_TRUE(f.step());
        EXPECT_FLOAT_EQ(s.alpha, i / 1000.0f) << i;
    }
}

TEST(SnowflakeStep, AlphaFollowsTheDepthBeforeTheMove) {
    struct Case {
        float z;
        float alpha;
    };
    const Case cases[] = {
        {0, 0},   {25, 0.5f}, {49.9f, 0.998f}, {50, 1},   {70, 1},   {90, 1},
        {95, 0.5f}, {100, 0},  {-10, -0.2f},   {110, -1},
    };
    for (const Case& c : cases) {
        Sprite s;
        s.red = 0.25f;
        Snowflake f;
        // Moves away from the depth it started at: the alpha is the old depth's.
        f.init(&s, 0, 0, c.z, 0, 0, 7);
        ASSERT_TRUE(f.step());
        EXPECT_NEAR(s.alpha, c.alpha, 1e-6) << c.z;
        EXPECT_EQ(s.red, 0.25f) << "colour untouched at " << c.z;
        EXPECT_EQ(s.z, c.z + 7) << c.z;
    }
}

TEST(SnowflakeStep, MovesAndPlacesItsSprite) {
    Sprite s;
    Snowflake f;
    f.init(&s, 1.5f, 10, 20, 0.25f, -0.5f, 0);
    ASSERT_TRUE(f.step());
    EXPECT_EQ(f.x, 1.75f);
    EXPECT_EQ(f.y, 9.5f);
    EXPECT_EQ(f.z, 20.0f);
    EXPECT_EQ(s.x, f.x);
    EXPECT_EQ(s.y, f.y);
    EXPECT_EQ(s.z, f.z);
}

TEST(SnowflakeStep, WithoutSpriteNothingChanges) {
    Snowflake f;
    f.init(nullptr, 1, -200, 3, 4, -5, 6);
    platform::seedRandom(3);
    const int next = platform::nextRandom();
    platform::seedRandom(3);
    EXPECT_FALSE(f.step());
    EXPECT_EQ(f.x, 1.0f);
    EXPECT_EQ(f.y, -200.0f);
    EXPECT_EQ(f.z, 3.0f);
    EXPECT_EQ(platform::nextRandom(), next);
}

TEST(SnowflakeRespawn, OnlyAFallingFlakeBelowTheFloor) {
    struct Case {
        float y;
        float vy;
        bool respawns;
    };
    const Case cases[] = {
        {-120.0f, -0.3f, false},   // exactly on the floor
        {-120.01f, -0.3f, true},   // just below
        {-300.0f, 0.0f, false},    // not falling
        {-300.0f, 0.2f, false},    // rising
        {0.0f, -0.3f, false},      // in view
    };
    for (const Case& c : cases) {
        Sprite s;
        Snowflake f;
        f.init(&s, 5, c.y, 10, 0, c.vy, 0);
        EXPECT_EQ(f.respawn(), c.respawns) << c.y << " " << c.vy;
        if (!c.respawns) {
            EXPECT_EQ(f.y, c.y);
            EXPECT_EQ(f.x, 5.0f);
            EXPECT_EQ(f.z, 10.0f);
        }
    }
}

TEST(SnowflakeRespawn, StepThatCrossesTheFloorRespawnsInTheSameStep) {
    Sprite s;
    Snowflake f;
    f.init(&s, 0, -119.75f, 10, 0, -0.25f, 0);
    ASSERT_TRUE(f.step());  // lands on -120 exactly: stays
    EXPECT_EQ(f.y, -120.0f);
    ASSERT_TRUE(f.step());  // goes below: back at the top at once
    EXPECT_GE(f.y, 120.0f);
    EXPECT_LE(f.y, 149.0f);
    EXPECT_EQ(s.y, f.y);
}

TEST(SnowflakeRespawn, NewDepthAcrossAndHeightFromThreeDraws) {
    for (float vx : {0.0f, 0.15f, -0.15f}) {
        for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
            const std::vector<int> r = upcomingDraws(seed, 3);
            Sprite s;
            s.red = s.green = s.blue = 0.5f;
            Snowflake f;
            f.init(&s, 0, -121, 10, vx, -0.3f, 0);
            ASSERT_TRUE(f.respawn());
            EXPECT_FLOAT_EQ(f.z, (r[0] % 500) / 10.0);
            EXPECT_FLOAT_EQ(f.x, 150.0 - r[1] % 300 - 200.0 * vx);
            EXPECT_EQ(f.y, r[2] % 30 + 120);
            EXPECT_EQ(f.vx, vx);
            EXPECT_EQ(f.vy, -0.3f);
            // Invisible in this frame, white.
            EXPECT_EQ(s.alpha, 0.0f);
            EXPECT_EQ(s.red, 1.0f);
            EXPECT_EQ(s.blue, 1.0f);
        }
    }
}

TEST(SnowflakeRespawn, RespawnedFlakeAppearsWithItsNewDepthsAlpha) {
    platform::seedRandom(77);
    Sprite s;
    Snowflake f;
    f.init(&s, 0, -119.9f, 45, 0.15f, -0.3f, 0);
    ASSERT_TRUE(f.step());
    ASSERT_GE(f.y, 120.0f);
    EXPECT_EQ(s.alpha, 0.0f);
    ASSERT_TRUE(f.step());
    EXPECT_FLOAT_EQ(s.alpha, f.z / 50.0f);
}

TEST(SnowflakeRespawn, UpwindRangeWithWind) {
    // With vx 0.15 the new x lies from 150 - 299 - 30 to 150 - 30.
    float lowest = 1e9f, highest = -1e9f;
    platform::seedRandom(11);
    for (int n = 0; n < 20000; ++n) {
        Sprite s;
        Snowflake f;
        f.init(&s, 0, -130, 0, 0.15f, -0.3f, 0);
        ASSERT_TRUE(f.respawn());
        lowest = std::min(lowest, f.x);
        highest = std::max(highest, f.x);
        ASSERT_GE(f.z, 0.0f);
        ASSERT_LE(f.z, 49.9f + 1e-4f);
    }
    EXPECT_FLOAT_EQ(lowest, -179.0f);
    EXPECT_FLOAT_EQ(highest, 120.0f);
}
