#include <gtest/gtest.h>

#include <climits>

#include "scene/fade.h"

TEST(FadeTimeline, QuadsAndChangeByFrameCount) {
    struct Case {
        int count;
        int frequency;
        bool fadeIn;
        float inAlpha;
        bool fadeOut;
        float outAlpha;
        bool change;
    };
    const Case cases[] = {
        // changeFrequency 1: interval 2000, change at 2100.
        {0, 1, true, 1.0f, false, 0, false},
        {1, 1, true, 0.99f, false, 0, false},
        {50, 1, true, 0.5f, false, 0, false},
        {99, 1, true, 0.01f, false, 0, false},
        {100, 1, false, 0, false, 0, false},
        {2000, 1, false, 0, false, 0, false},
        {2001, 1, false, 0, true, 0.01f, false},
        {2050, 1, false, 0, true, 0.5f, false},
        {2099, 1, false, 0, true, 0.99f, false},
        {2100, 1, false, 0, true, 1.0f, true},
        {2300, 1, false, 0, true, 3.0f, true},
        // changeFrequency 0: both quads from 1 to 99, change at 100.
        {0, 0, true, 1.0f, false, 0, false},
        {30, 0, true, 0.7f, true, 0.3f, false},
        {99, 0, true, 0.01f, true, 0.99f, false},
        {100, 0, false, 0, true, 1.0f, true},
        // A large frequency neither overflows nor changes early.
        {INT_MAX, INT_MAX, false, 0, false, 0, false},
        {10000, 5, false, 0, false, 0, false},
        {10100, 5, false, 0, true, 1.0f, true},
    };
    for (const Case& c : cases) {
        const FadeQuads q = fadeQuadsAt(c.count, c.frequency);
        SCOPED_TRACE(testing::Message() << "count " << c.count << " frequency " << c.frequency);
        EXPECT_EQ(q.fadeIn, c.fadeIn);
        if (c.fadeIn) {
            EXPECT_FLOAT_EQ(q.fadeInAlpha, c.inAlpha);
        }
        EXPECT_EQ(q.fadeOut, c.fadeOut);
        if (c.fadeOut) {
            EXPECT_FLOAT_EQ(q.fadeOutAlpha, c.outAlpha);
        }
        EXPECT_EQ(q.changeDue, c.change);
    }
}
