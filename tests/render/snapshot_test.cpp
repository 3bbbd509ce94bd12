// Pictures of a scene drawn without a display: the saver's camera and
// frames, repeatable by seed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gl_headless.h"
#include "render/picture_files.h"
#include "render/snapshot.h"
#include "scene/current_scene.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

const pictures::Rgb kBackground{30, 80, 190};

class Snapshot : public ::testing::Test {
protected:
    void SetUp() override {
        savedOptions_ = g_options;
        savedDataDir_ = DataDir;
        g_options = Options{};
        DataDir = tmp.path() + "/";
        tmp.write("_snowflakes/sf4.jpg", pictures::solidJpeg(8, 8, {255, 255, 255}));
        tmp.write("_snowflakes/sf4a.jpg", pictures::greyJpeg(8, 8, 255));
        tmp.write("s/back.jpg", pictures::solidJpeg(64, 32, kBackground));
        tmp.write("s/scene.xml", "<Scene><Back file=\"back.jpg\"/></Scene>");
    }
    void TearDown() override {
        deleteScene(currentScene);
        g_options = savedOptions_;
        DataDir = savedDataDir_;
    }

    // The picture of the request, or nothing when it could not be drawn.
    std::vector<unsigned char> picture(const SnapshotRequest& r) {
        platform::HeadlessGl gl(r.width, r.height);
        EXPECT_TRUE(gl.ok()) << gl.error();
        if (!gl.ok() || !drawSnapshotFrames(r)) return {};
        return gl.readPixels();
    }

    TempDir tmp;
    MessageBoxRecorder boxes;

private:
    Options savedOptions_;
    std::string savedDataDir_;
};

SnapshotRequest request(int width, int height, int frames = 5, unsigned seed = 3) {
    SnapshotRequest r;
    r.scene = "s";
    r.width = width;
    r.height = height;
    r.frames = frames;
    r.seed = seed;
    return r;
}

bool blackRow(const std::vector<unsigned char>& px, int width, int y) {
    for (int x = 0; x < width; ++x) {
        const unsigned char* p = &px[(static_cast<std::size_t>(y) * width + x) * 4];
        if (p[0] + p[1] + p[2] != 0) return false;
    }
    return true;
}

}  // namespace

TEST_F(Snapshot, ShowsTheSceneThroughTheSaversProjection) {
    struct Case {
        const char* name;
        int width, height;
        bool keepAspect;
        int blackBandRows;  // at the top and at the bottom each
    };
    // The background fills a 1.6 : 1 view; with the kept aspect a tall
    // window gets a 100 x 62 viewport in its middle.
    const Case cases[] = {
        {"whole window", 160, 100, false, 0},
        {"kept aspect in a tall window", 100, 160, true, 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_options.KeepAspect_1_6 = c.keepAspect;
        const std::vector<unsigned char> px = picture(request(c.width, c.height));
        ASSERT_EQ(px.size(), static_cast<std::size_t>(c.width) * c.height * 4);
        for (int y = 0; y < c.height; ++y) {
            const bool inBand = y < c.blackBandRows || y >= c.height - c.blackBandRows;
            EXPECT_EQ(blackRow(px, c.width, y), inBand) << "row " << y;
        }
        const unsigned char* centre = &px[(static_cast<std::size_t>(c.height / 2) * c.width + c.width / 2) * 4];
        EXPECT_GT(centre[2], centre[0] + 60) << "the blue background at the centre";
    }
}

TEST_F(Snapshot, TheSameRequestGivesTheSamePicture) {
    const std::vector<unsigned char> first = picture(request(120, 75));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(picture(request(120, 75)), first);
    // The snow differs by seed, and moves from frame to frame.
    EXPECT_NE(picture(request(120, 75, 5, 4)), first);
    EXPECT_NE(picture(request(120, 75, 6)), first);
}

TEST_F(Snapshot, ASceneThatDoesNotLoadIsRefused) {
    SnapshotRequest r = request(40, 25);
    r.scene = "missing";
    platform::HeadlessGl gl(r.width, r.height);
    ASSERT_TRUE(gl.ok()) << gl.error();
    EXPECT_FALSE(drawSnapshotFrames(r));
    EXPECT_EQ(currentScene, nullptr);
    EXPECT_EQ(boxes.count(), 1u);
}
