#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "render/fps_meter.h"
#include "render/fps_overlay.h"

namespace {

struct MeterCase {
    const char* name;
    int32_t start;
    int32_t stepMs;
    int frames;  // presented, the first included
    bool hasValue;
    double fps;
};

}  // namespace

TEST(FpsMeter, CountsFramesOverHalfSecondSpans) {
    const MeterCase cases[] = {
        {"no span completed yet", 0, 10, 50, false, 0},
        {"100 a second", 0, 10, 51, true, 100},
        {"the second span replaces the first", 1000, 20, 52, true, 50},
        {"a slow frame closes a span by itself", 0, 700, 2, true, 1000.0 / 700},
        {"the clock wrapping in between", INT32_MAX - 200, 25, 21, true, 40},
    };
    for (const MeterCase& c : cases) {
        SCOPED_TRACE(c.name);
        FpsMeter meter;
        for (int i = 0; i < c.frames; ++i)
            meter.frameAt(static_cast<int32_t>(static_cast<uint32_t>(c.start) + static_cast<uint32_t>(i * c.stepMs)));
        ASSERT_EQ(meter.hasValue(), c.hasValue);
        if (c.hasValue) {
            EXPECT_NEAR(meter.fps(), c.fps, 1e-9);
        } else {
            EXPECT_EQ(meter.text(), "FPS: -");
        }
    }
}

TEST(FpsMeter, TextHasOneDecimal) {
    EXPECT_EQ(fpsText(59.94), "FPS: 59.9");
    EXPECT_EQ(fpsText(0), "FPS: 0.0");
    EXPECT_EQ(fpsText(-3), "FPS: 0.0");
}

TEST(FpsFont, EveryShownCharacterHasItsOwnGlyphInsideItsBox) {
    const std::string shown = "0123456789.:-FPS";
    std::set<std::vector<std::pair<int, int>>> seen;
    for (char c : shown) {
        std::vector<std::pair<int, int>> cells;
        for (const GlyphCell& g : textCells(std::string(1, c))) {
            EXPECT_TRUE(g.column >= 0 && g.column < 3 && g.row >= 0 && g.row < 5) << c;
            cells.push_back({g.column, g.row});
        }
        EXPECT_FALSE(cells.empty()) << c;
        EXPECT_TRUE(seen.insert(cells).second) << "'" << c << "' looks like another glyph";
    }
    EXPECT_TRUE(textCells(" ").empty());
    EXPECT_TRUE(textCells("?").empty()) << "an unknown character is a blank";
    // The second glyph starts one blank column after the first.
    const std::vector<GlyphCell> pair = textCells("11");
    const std::vector<GlyphCell> one = textCells("1");
    ASSERT_EQ(pair.size(), 2 * one.size());
    EXPECT_EQ(pair[one.size()].column, one[0].column + 4);
    EXPECT_EQ(textColumns("FPS: 1"), 23);
    EXPECT_EQ(textColumns(""), 0);
}
