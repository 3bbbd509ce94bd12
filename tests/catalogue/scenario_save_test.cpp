#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>

#include "catalogue/scenario.h"
#include "support/data_dir_test.h"

namespace {

class ScenarioSave : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        for (const char* f : {"a", "b", "c", "d"}) writeScene(f, "<Scene/>");
    }
};

}  // namespace

TEST_F(ScenarioSave, WritesFlagsAndKeepsTheRestOfTheDocument) {
    tmp.write("defaultScenario.xml",
              "<?xml version=\"1.0\"?>\n"
              "<!-- kept comment -->\n"
              "<SCENARIO version=\"3\">\n"
              "    <Owner name=\"me\"/>\n"
              "    <Scenes>\n"
              "        <Scene path=\"a\" enabled=\"1\" note=\"n\"/>\n"
              "        <Scene path=\"b\"/>\n"
              "        <Scene path=\"c\" enabled=\"0\"/>\n"
              "        <Scene path=\"d\" enabled=\"5\">text</Scene>\n"
              "    </Scenes>\n"
              "</SCENARIO>\n");
    Scenario s;
    s.load("defaultScenario.xml");
    ASSERT_EQ(s.count(), 4);
    // All OFF, then one check; d keeps the 5 nobody changed.
    for (int i = 0; i < 3; ++i) s.setEnabled(i, 0);
    s.setEnabled(1, 1);
    ASSERT_TRUE(s.save("defaultScenario.xml"));

    tinyxml2::XMLDocument doc;
    ASSERT_EQ(doc.LoadFile(tmp.file("defaultScenario.xml").c_str()), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* root = doc.FirstChildElement("SCENARIO");
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->Attribute("version"), "3");
    ASSERT_NE(root->FirstChildElement("Owner"), nullptr);
    EXPECT_STREQ(root->FirstChildElement("Owner")->Attribute("name"), "me");
    ASSERT_NE(doc.FirstChild()->ToDeclaration(), nullptr);
    ASSERT_NE(doc.FirstChild()->NextSibling()->ToComment(), nullptr);

    struct Expected {
        const char* path;
        const char* enabled;
    };
    const Expected expected[] = {{"a", "0"}, {"b", "1"}, {"c", "0"}, {"d", "5"}};
    const tinyxml2::XMLElement* e = root->FirstChildElement("Scenes")->FirstChildElement("Scene");
    for (const Expected& x : expected) {
        ASSERT_NE(e, nullptr) << x.path;
        EXPECT_STREQ(e->Attribute("path"), x.path);
        EXPECT_STREQ(e->Attribute("enabled"), x.enabled) << x.path;
        e = e->NextSiblingElement();
    }
    EXPECT_EQ(e, nullptr);
    EXPECT_STREQ(root->FirstChildElement("Scenes")->FirstChildElement("Scene")->Attribute("note"), "n");
    EXPECT_STREQ(root->FirstChildElement("Scenes")->LastChildElement("Scene")->GetText(), "text");

    // What was saved reads back as it was set.
    Scenario again;
    again.load("defaultScenario.xml");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(again.isEnabled(i), s.isEnabled(i)) << i;
}

TEST_F(ScenarioSave, SavesUnderTheGivenName) {
    tmp.write("in.xml", "<S><Scenes><Scene path=\"a\"/></Scenes></S>");
    Scenario s;
    s.load("in.xml");
    s.setEnabled(0, 0);
    ASSERT_TRUE(s.save("out.xml"));
    EXPECT_NE(readFileOrEmpty(tmp.file("out.xml")).find("enabled=\"0\""), std::string::npos);
    EXPECT_EQ(readFileOrEmpty(tmp.file("in.xml")), "<S><Scenes><Scene path=\"a\"/></Scenes></S>");
}

TEST_F(ScenarioSave, NothingLoadedWritesNothing) {
    struct Case {
        const char* name;
        const char* list;  // null: no file at all
    };
    const Case cases[] = {
        {"never loaded", nullptr},
        {"load failed", "<broken"},
        {"document without element", "<!-- only a comment -->"},
    };
    for (const Case& c : cases) {
        Scenario s;
        if (c.list) {
            tmp.write("list.xml", c.list);
            s.load("list.xml");
        }
        EXPECT_FALSE(s.save("saved.xml")) << c.name;
        EXPECT_FALSE(fileExists(tmp.file("saved.xml"))) << c.name;
    }
}

TEST_F(ScenarioSave, UnwritableFileKeepsTheOldOneAndSaysSo) {
    tmp.write("list.xml", "<S><Scenes><Scene path=\"a\"/></Scenes></S>");
    Scenario s;
    s.load("list.xml");
    s.setEnabled(0, 0);
    DataDir = tmp.path() + "/missing-folder/";
    EXPECT_FALSE(s.save("list.xml"));
    EXPECT_EQ(readFileOrEmpty(tmp.file("list.xml")), "<S><Scenes><Scene path=\"a\"/></Scenes></S>");
}
