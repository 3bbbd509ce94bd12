#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/scenario.h"
#include "gl_scene_fixture.h"
#include "platform/random.h"
#include "scene/current_scene.h"
#include "scene/scene.h"
#include "scene/scene_change.h"

namespace {

class SceneChange : public GlSceneTest {
protected:
    void SetUp() override {
        GlSceneTest::SetUp();
        writePictureScene("a", false);
        writePictureScene("b", false);
        writePictureScene("c", false);
    }
    void loadList(const char* flags) {  // one character per scene a, b, c
        std::string xml = "<S><Scenes>";
        for (int i = 0; i < 3; ++i)
            xml += std::string("<Scene path=\"") + static_cast<char>('a' + i) + "\" enabled=\"" + flags[i] + "\"/>";
        tmp.write("list.xml", xml + "</Scenes></S>");
        list.load("list.xml");
        ASSERT_EQ(list.count(), 3);
    }
    // One frame as the frame routine runs it: draw, then the change step.
    // Frames nobody looks at may leave the (slow, software) drawing out.
    void frame(bool drawn = true) {
        clear();
        scene->update();
        if (drawn) scene->draw();
        runSceneChangeStep(scene, &list, 1, counter);
    }
    void TearDown() override {
        deleteScene(scene);
        GlSceneTest::TearDown();
    }

    Scenario list;
    Scene* scene = nullptr;
    int counter = 0;
};

}  // namespace

TEST_F(SceneChange, TwoEnabledScenesAlternateEveryHundredFramesAtFrequencyZero) {
    g_options.changeFrequency = 0;
    platform::seedRandom(8);
    loadList("101");
    replaceScene(scene, list.choosePath().c_str());
    std::vector<std::string> shown{scene->folder()};
    std::vector<int> changeCounts;
    for (int n = 0; n < 450; ++n) {
        const int count = counter;
        frame(false);
        // A change restarts the count (the new scene may reuse the old one's
        // address, so the pointer tells nothing).
        if (counter < count) {
            shown.push_back(scene->folder());
            changeCounts.push_back(count);
            EXPECT_EQ(counter, 1);
        }
    }
    ASSERT_EQ(shown.size(), 5u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(shown[i] == "a" || shown[i] == "c") << shown[i];
        if (i > 0) {
            EXPECT_NE(shown[i], shown[i - 1]) << i;
        }
    }
    EXPECT_EQ(changeCounts, (std::vector<int>{100, 100, 100, 100}));
}

TEST_F(SceneChange, ChangeComesAtTwentyOneHundredWithFrequencyOne) {
    g_options.changeFrequency = 1;
    loadList("110");
    replaceScene(scene, list.choosePath().c_str());
    const std::string first = scene->folder();
    const std::string other = first == "a" ? "b" : "a";
    counter = 2099;
    frame();
    EXPECT_EQ(scene->folder(), first);
    EXPECT_EQ(counter, 2100);
    frame();
    EXPECT_EQ(scene->folder(), other);
    EXPECT_EQ(counter, 1);
    // The frame of the change is fully black (the old scene under an opaque
    // quad); the next one begins the fade-in at 0.99.
    capture();
    EXPECT_TRUE(nearColour(pixel(kWidth / 3, kHeight / 3), {0, 0, 0, 255}, 1));
    const Rgba back = backgroundColour(*scene);
    clearSnow(*scene);
    frame();
    capture();
    EXPECT_TRUE(nearColour(pixel(kWidth / 3, kHeight / 3), scaled(back, 0.01), 1)) << pixel(kWidth / 3, kHeight / 3);
}

TEST_F(SceneChange, FirstFrameOfTheProcessIsBlackWhenChangesAreOn) {
    g_options.changeFrequency = 5;
    loadList("111");
    replaceScene(scene, list.choosePath().c_str());
    counter = 0;
    const Rgba back = backgroundColour(*scene);
    clearSnow(*scene);
    frame();
    capture();
    EXPECT_EQ(countPixels([](const Rgba& p) { return p.r + p.g + p.b > 3; }), 0);
    for (int n = 1; n < 100; ++n) frame(false);
    frame();  // count 100: no quad any more
    capture();
    EXPECT_TRUE(nearColour(pixel(kWidth / 3, kHeight / 3), back, 4)) << pixel(kWidth / 3, kHeight / 3);
}
