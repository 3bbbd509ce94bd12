// The scene change step where it never reaches the fade quad: with fewer than
// two enabled scenes or changes switched off nothing is drawn, so no display
// is needed. The changes themselves are drawn in scene_change_gltest.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "catalogue/scenario.h"
#include "scene/scene.h"
#include "scene/scene_change.h"
#include "settings/options.h"
#include "support/data_dir_test.h"

namespace {

class SceneChangeOff : public DataDirTest {
protected:
    void loadList(Scenario& s, const char* enabledA, const char* enabledB) {
        writeScene("a", "<Scene/>");
        writeScene("b", "<Scene/>");
        tmp.write("list.xml", std::string("<S><Scenes><Scene path=\"a\" enabled=\"") + enabledA +
                                  "\"/><Scene path=\"b\" enabled=\"" + enabledB + "\"/></Scenes></S>");
        s.load("list.xml");
        ASSERT_EQ(s.count(), 2);
    }
};

}  // namespace

TEST_F(SceneChangeOff, SceneNeverChangesAndTheCountGoesOn) {
    struct Case {
        const char* name;
        const char* enabledA;
        const char* enabledB;
        int changeSkyDuring;
    };
    const Case cases[] = {
        {"one enabled scene", "1", "0", 1},
        {"no enabled scene", "0", "0", 1},
        {"changes switched off", "1", "1", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario list;
        loadList(list, c.enabledA, c.enabledB);
        Scene* scene = new Scene("a");
        Scene* const original = scene;
        int counter = 0;
        for (int frame = 0; frame < 2300; ++frame) runSceneChangeStep(scene, &list, c.changeSkyDuring, counter);
        EXPECT_EQ(scene, original);
        EXPECT_EQ(scene->folder(), "a");
        EXPECT_EQ(counter, 2300);
        delete scene;
    }
}

TEST_F(SceneChangeOff, CountsWithoutAListAndSaturates) {
    Scene* scene = nullptr;
    int counter = 0;
    runSceneChangeStep(scene, nullptr, 1, counter);
    EXPECT_EQ(counter, 1);
    EXPECT_EQ(scene, nullptr);
    counter = INT_MAX - 1;
    runSceneChangeStep(scene, nullptr, 1, counter);
    runSceneChangeStep(scene, nullptr, 1, counter);
    EXPECT_EQ(counter, INT_MAX);
}

// A broken scene in the rotation shows black for its turn and then gives way
// to the next enabled scene, instead of holding the screen for good.
TEST_F(SceneChangeOff, BrokenSceneGivesWayWhenItsTurnIsOver) {
    writeScene("good", "<Scene/>");
    tmp.mkdir("broken");  // listed, but its scene.xml has gone since
    tmp.write("list.xml",
              "<S><Scenes><Scene path=\"good\"/><Scene path=\"broken\"/></Scenes></S>");
    Scenario list;
    list.load("list.xml");
    ASSERT_EQ(list.count(), 2);
    while (list.choosePath() != "broken") {
    }
    const int savedFrequency = g_options.changeFrequency;
    g_options.changeFrequency = 1;
    Scene* scene = new Scene("broken");
    ASSERT_FALSE(scene->loaded());
    int counter = 0;
    // Counts 0 to 2099: the broken scene stays; the step at 2100 replaces it.
    for (int frame = 0; frame < 2100; ++frame) runSceneChangeStep(scene, &list, 1, counter);
    EXPECT_EQ(scene->folder(), "broken");
    runSceneChangeStep(scene, &list, 1, counter);
    EXPECT_EQ(scene->folder(), "good");
    EXPECT_TRUE(scene->loaded());
    EXPECT_EQ(counter, 1);
    delete scene;
    g_options.changeFrequency = savedFrequency;
}
