// Replays the scene.xml fuzz corpus through the real loader with every
// picture missing (so no GL is needed): each scene loads or fails cleanly,
// and the dialog's reading of the file agrees with the engine's about
// whether it can be read.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/scenario.h"
#include "render/texture.h"
#include "scene/scene.h"
#include "support/data_dir_test.h"
#include "support/fuzz_corpus.h"

namespace {

using SceneCorpus = DataDirTest;

long boxesWith(const MessageBoxRecorder& boxes, const std::string& text) {
    return std::count_if(boxes.calls().begin(), boxes.calls().end(),
                         [&](const platform::MessageBoxCall& c) { return c.text == text; });
}

TEST_F(SceneCorpus, EveryFileLoadsOrFailsCleanlyAndBothReadersAgree) {
    const std::vector<CorpusFile> corpus = fuzzCorpus("scene");
    ASSERT_FALSE(corpus.empty());
    for (const CorpusFile& input : corpus) {
        SCOPED_TRACE(input.name);
        writeScene("Scene", input.bytes);
        boxes.clear();
        SceneInfo info;
        Scenario::readSceneInfo("Scene", info);
        const bool unreadable = boxes.count() == 1;
        ASSERT_LE(boxes.count(), 1u);

        boxes.clear();
        Scene scene("Scene");
        if (unreadable) {
            EXPECT_FALSE(scene.loaded());
            EXPECT_EQ(boxes.count(), 1u);
        }
        if (!scene.loaded()) {
            EXPECT_EQ(scene.backgroundSprite(), nullptr);
            EXPECT_FALSE(scene.fade(0));
            continue;
        }
        EXPECT_EQ(boxesWith(boxes, "Error opening file for reading"), 0);
        EXPECT_EQ(boxesWith(boxes, "Unable to load JPG File!"), 2 + (scene.backgroundTexture() != nullptr));
        EXPECT_EQ(boxesWith(boxes, "Could not open texture file"), scene.sunTexture() != nullptr);
        EXPECT_EQ(scene.sunSprite() != nullptr, scene.sunTexture() != nullptr);
        ASSERT_NE(scene.backgroundSprite(), nullptr);
        EXPECT_EQ(scene.snowflakeTexture(0)->id, 0u);
    }
}

}  // namespace
