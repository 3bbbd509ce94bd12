#include <gtest/gtest.h>

#include "catalogue/scenario.h"
#include "support/data_dir_test.h"

namespace {
class SceneInfoRead : public DataDirTest {};
}  // namespace

TEST_F(SceneInfoRead, ReadsTheFirstInfoOfTheRoot) {
    struct Case {
        const char* name;
        const char* xml;
        SceneInfo expected;
    };
    const Case cases[] = {
        {"all four", "<Scene><Info Title=\"T\" Author=\"A\" Url=\"U\" Description=\"D\"/></Scene>",
         {"T", "A", "U", "D"}},
        {"only a title", "<Scene><Info Title=\"Dusk\"/></Scene>", {"Dusk", "", "", ""}},
        {"no Info", "<Scene><Back file=\"b.jpg\"/></Scene>", {"", "", "", ""}},
        {"entities resolved", "<Scene><Info Title=\"Ice &amp; Fire\" Author=\"&lt;Bo&gt;\"/></Scene>",
         {"Ice & Fire", "<Bo>", "", ""}},
        {"first Info counts", "<Scene><Info Title=\"one\"/><Info Title=\"two\" Author=\"x\"/></Scene>",
         {"one", "", "", ""}},
        {"any root name, any place among the children",
         "<Whatever><Sun file=\"s.tga\"/><Info Description=\"Late\"/></Whatever>", {"", "", "", "Late"}},
        {"Info deeper than a child of the root", "<Scene><Group><Info Title=\"hidden\"/></Group></Scene>",
         {"", "", "", ""}},
        {"no element at all", "<?xml version=\"1.0\"?><!-- empty -->", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        writeScene("s", c.xml);
        SceneInfo info{"stale", "stale", "stale", "stale"};
        Scenario::readSceneInfo("s", info);
        EXPECT_EQ(info.title, c.expected.title) << c.name;
        EXPECT_EQ(info.author, c.expected.author) << c.name;
        EXPECT_EQ(info.url, c.expected.url) << c.name;
        EXPECT_EQ(info.description, c.expected.description) << c.name;
    }
    EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(SceneInfoRead, UnreadableSceneFileGivesBoxAndEmptyTexts) {
    struct Case {
        const char* name;
        const char* folder;
        const char* xml;  // null: no scene.xml
    };
    const Case cases[] = {
        {"missing", "gone", nullptr},
        {"malformed", "bad", "<Scene><Info Title=\"x\"></Scene>"},
    };
    for (const Case& c : cases) {
        if (c.xml) writeScene(c.folder, c.xml);
        boxes.clear();
        SceneInfo info{"stale", "stale", "stale", "stale"};
        Scenario::readSceneInfo(c.folder, info);
        EXPECT_EQ(info.title, "") << c.name;
        EXPECT_EQ(info.description, "") << c.name;
        EXPECT_EQ(boxes.summary(),
                  std::vector<std::string>{DataDir + c.folder + "/scene.xml|Error opening file for reading"})
            << c.name;
    }
}

TEST_F(SceneInfoRead, OverlongPathIsRefusedWithItsBox) {
    // DataDir + name + "/scene.xml" one character beyond 255.
    const std::string name(255 + 1 - DataDir.size() - std::string("/scene.xml").size(), 'n');
    writeScene(name, "<Scene><Info Title=\"T\"/></Scene>");
    SceneInfo info;
    Scenario::readSceneInfo(name.c_str(), info);
    EXPECT_EQ(info.title, "");
    EXPECT_EQ(boxes.summary(), std::vector<std::string>{DataDir + name + "/scene.xml|Error opening file for reading"});

    // One character shorter fits.
    const std::string fits = name.substr(1);
    writeScene(fits, "<Scene><Info Title=\"T\"/></Scene>");
    Scenario::readSceneInfo(fits.c_str(), info);
    EXPECT_EQ(info.title, "T");
}

TEST_F(SceneInfoRead, EmptyFolderNameIsNoSceneAndNoBox) {
    tmp.write("scene.xml", "<Scene><Info Title=\"top\"/></Scene>");
    SceneInfo info{"stale", "stale", "stale", "stale"};
    Scenario::readSceneInfo("", info);
    EXPECT_EQ(info.title, "");
    EXPECT_EQ(boxes.count(), 0u);
}
