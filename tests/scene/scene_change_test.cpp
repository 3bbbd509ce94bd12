// The scene change step where it never reaches the fade quad: with fewer than
// two enabled scenes or changes switched off nothing is drawn, so no display
// is needed. The changes themselves are drawn in scene_change_gltest.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "catalogue/scenario.h"
#include "scene/scene.h"
#include "scene/scene_change.h"
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
