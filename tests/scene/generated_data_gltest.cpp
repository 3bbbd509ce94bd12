// Every scene of the installation data that the build paints (build/data)
// loads with all its pictures and draws its background with the snow over it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/scenario.h"
#include "gl_scene_fixture.h"
#include "platform/find_file.h"
#include "platform/random.h"
#include "render/texture.h"

namespace {

class GeneratedData : public GlSceneTest {
protected:
    void SetUp() override {
        GlSceneTest::SetUp();
        DataDir = std::string(FLURRY_BUILD_DIR) + "/data/";
    }

    // The scene folders of the generated data directory.
    std::vector<std::string> sceneFolders() const {
        std::vector<std::string> out;
        WIN32_FIND_DATAA entry;
        HANDLE_FIND find = FindFirstFileA((DataDir + "*.*").c_str(), &entry);
        if (find == INVALID_FIND_HANDLE) return out;
        do {
            if (entry.cFileName[0] != '.' && Scenario::hasSceneFile((DataDir + entry.cFileName).c_str()))
                out.push_back(entry.cFileName);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return out;
    }
};

int brightness(const Rgba& p) { return p.r + p.g + p.b; }

}  // namespace

TEST_F(GeneratedData, EverySceneLoadsAndShowsItsBackgroundAndSnow) {
    const std::vector<std::string> folders = sceneFolders();
    ASSERT_FALSE(folders.empty()) << "no generated scenes in " << DataDir
                                  << " (the installation_data target paints them)";
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        platform::seedRandom(17);
        Scene scene(folder.c_str());
        ASSERT_TRUE(scene.loaded());
        EXPECT_EQ(boxes.count(), 0u) << (boxes.count() ? boxes.summary()[0] : "");
        ASSERT_NE(scene.backgroundTexture(), nullptr);
        EXPECT_NE(scene.backgroundTexture()->id, 0u);
        EXPECT_NE(scene.snowflakeTexture(0)->id, 0u);
        if (scene.sunTexture()) {
            EXPECT_NE(scene.sunTexture()->id, 0u);
        }

        // The background alone: a picture, not a flat or empty quad.
        backgroundColour(scene);
        const std::vector<unsigned char> backgroundOnly = frame_;
        const Rgba centre = pixel(kWidth / 2, kHeight / 2);
        EXPECT_GT(countPixels([&](const Rgba& p) { return !nearColour(p, centre, 10); }), kWidth * kHeight / 10);
        EXPECT_EQ(countPixels([](const Rgba& p) { return brightness(p) == 0; }), 0);

        clear();
        scene.draw();
        capture();
        int same = 0, lighter = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const unsigned char* b = backgroundOnly.data() + (static_cast<std::size_t>(y) * kWidth + x) * 4;
                const Rgba under{b[0], b[1], b[2], b[3]};
                const Rgba shown = pixel(x, y);
                if (nearColour(shown, under, 8)) ++same;
                if (brightness(shown) > brightness(under) + 60) ++lighter;
            }
        // Mostly the background, with snow (and perhaps a sun) over it.
        EXPECT_GT(same, kWidth * kHeight * 7 / 10);
        EXPECT_GT(lighter, 150);
        boxes.clear();
    }
}
