#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/scenario.h"
#include "support/data_dir_test.h"

namespace {

struct Entry {
    std::string path;
    int enabled;
};

std::vector<Entry> entries(const Scenario& s) {
    std::vector<Entry> out;
    for (int i = 0; i < s.count(); ++i) out.push_back({s.path(i), s.isEnabled(i)});
    return out;
}

bool operator==(const Entry& a, const Entry& b) { return a.path == b.path && a.enabled == b.enabled; }

void PrintTo(const Entry& e, std::ostream* os) { *os << "{" << e.path << ", " << e.enabled << "}"; }

class ScenarioLoad : public DataDirTest {};

}  // namespace

TEST_F(ScenarioLoad, ReadsListsLeniently) {
    struct Case {
        const char* name;
        const char* xml;
        std::vector<Entry> expected;
    };
    const Case cases[] = {
        {"as written by a rescan",
         "<?xml version=\"1.0\"?><SCENARIO><Scenes><Scene path=\"a\" enabled=\"1\"/>"
         "<Scene path=\"b\" enabled=\"0\"/></Scenes></SCENARIO>",
         {{"a", 1}, {"b", 0}}},
        {"any root name; elements before the first Scene ignored, any after it counted",
         "<List><Other/><Scenes><Note/><Scene path=\"a\"/><Extra path=\"b\" enabled=\"0\"/>"
         "</Scenes><Scenes><Scene path=\"c\"/></Scenes></List>",
         {{"a", 1}, {"b", 0}}},
        {"enabled read the %d way",
         "<S><Scenes><Scene path=\"p\" enabled=\" -3\"/><Scene path=\"q\" enabled=\"7x\"/>"
         "<Scene path=\"r\" enabled=\"abc\"/><Scene path=\"s\" enabled=\"\"/>"
         "<Scene path=\"t\" enabled=\"0x1\"/></Scenes></S>",
         {{"p", -3}, {"q", 7}, {"r", 0}, {"s", 0}, {"t", 0}}},
        {"a Scene without path lists as an empty name",
         "<S><Scenes><Scene enabled=\"0\"/><Scene path=\"x\"/></Scenes></S>",
         {{"", 0}, {"x", 1}}},
        {"no Scenes element", "<S><Scene path=\"a\"/></S>", {}},
        {"no Scene element", "<S><Scenes><Other path=\"a\"/></Scenes></S>", {}},
        {"only a comment, no element", "<!-- nothing here -->", {}},
    };
    for (const Case& c : cases) {
        // Every listed folder exists with a scene.xml, so no box is expected.
        for (const char* f : {"a", "b", "c", "p", "q", "r", "s", "t", "x"}) writeScene(f, "<Scene/>");
        tmp.write("list.xml", c.xml);
        boxes.clear();
        Scenario s;
        s.load("list.xml");
        EXPECT_EQ(entries(s), c.expected) << c.name;
        EXPECT_EQ(boxes.count(), 0u) << c.name;
    }
}

TEST_F(ScenarioLoad, UnreadableListGivesBoxAndEmptyList) {
    struct Case {
        const char* name;
        bool written;
        std::string content;
    };
    const Case cases[] = {
        {"missing", false, ""},
        {"not well-formed", true, "<SCENARIO><Scenes><Scene path=\"a\"></SCENARIO>"},
        {"empty file", true, ""},
        {"larger than 1 MiB", true,
         "<S><Scenes><Scene path=\"a\"/></Scenes></S><!--" + std::string(1024 * 1024, 'x') + "-->"},
    };
    writeScene("a", "<Scene/>");
    for (const Case& c : cases) {
        std::remove(tmp.file("defaultScenario.xml").c_str());
        if (c.written) tmp.write("defaultScenario.xml", c.content);
        boxes.clear();
        Scenario s;
        s.load("defaultScenario.xml");
        EXPECT_EQ(s.count(), 0) << c.name;
        ASSERT_EQ(boxes.count(), 1u) << c.name;
        EXPECT_EQ(boxes.calls()[0].text, "Error opening file for reading") << c.name;
        // DataDir ends with "/", so the path holds two in a row there.
        EXPECT_EQ(boxes.calls()[0].caption, tmp.path() + "//defaultScenario.xml") << c.name;
        EXPECT_EQ(boxes.calls()[0].owner, nullptr) << c.name;
        EXPECT_EQ(boxes.calls()[0].type, static_cast<UINT>(MB_OK)) << c.name;
    }
}

TEST_F(ScenarioLoad, ReloadReplacesTheList) {
    writeScene("a", "<Scene/>");
    tmp.write("one.xml", "<S><Scenes><Scene path=\"a\"/><Scene path=\"a\"/></Scenes></S>");
    tmp.write("two.xml", "<S><Scenes><Scene path=\"a\" enabled=\"0\"/></Scenes></S>");
    Scenario s;
    s.load("one.xml");
    ASSERT_EQ(s.count(), 2);
    s.load("two.xml");
    EXPECT_EQ(entries(s), (std::vector<Entry>{{"a", 0}}));
}

TEST_F(ScenarioLoad, IndexesOutsideTheListGiveNothing) {
    writeScene("a", "<Scene><Info Title=\"T\"/></Scene>");
    tmp.write("list.xml", "<S><Scenes><Scene path=\"a\" enabled=\"1\"/></Scenes></S>");
    Scenario s;
    s.load("list.xml");
    ASSERT_EQ(s.count(), 1);
    for (int i : {-1, 1, 1000}) {
        EXPECT_EQ(s.path(i), nullptr) << i;
        EXPECT_EQ(s.isEnabled(i), -1) << i;
        EXPECT_EQ(s.title(i), nullptr) << i;
        EXPECT_EQ(s.author(i), nullptr) << i;
        EXPECT_EQ(s.url(i), nullptr) << i;
        EXPECT_EQ(s.description(i), nullptr) << i;
        s.setEnabled(i, 0);
    }
    EXPECT_EQ(s.isEnabled(0), 1);
    s.setEnabled(0, 0);
    EXPECT_EQ(s.isEnabled(0), 0);

    Scenario empty;
    EXPECT_EQ(empty.count(), 0);
    EXPECT_EQ(empty.path(0), nullptr);
    EXPECT_EQ(empty.isEnabled(0), -1);
}

TEST_F(ScenarioLoad, ReadsEveryListedScenesInformation) {
    writeScene("a", "<Scene><Info Title=\"Alpine\" Author=\"Ann\" Url=\"http://a\" Description=\"Peaks\"/></Scene>");
    writeScene("b", "<Scene><Back file=\"b.jpg\"/></Scene>");
    tmp.write("list.xml",
              "<S><Scenes><Scene path=\"a\"/><Scene path=\"b\"/><Scene path=\"gone\"/></Scenes></S>");
    Scenario s;
    s.load("list.xml");
    ASSERT_EQ(s.count(), 3);
    EXPECT_STREQ(s.title(0), "Alpine");
    EXPECT_STREQ(s.author(0), "Ann");
    EXPECT_STREQ(s.url(0), "http://a");
    EXPECT_STREQ(s.description(0), "Peaks");
    for (int i : {1, 2}) {
        EXPECT_STREQ(s.title(i), "") << i;
        EXPECT_STREQ(s.author(i), "") << i;
        EXPECT_STREQ(s.url(i), "") << i;
        EXPECT_STREQ(s.description(i), "") << i;
    }
    // A folder removed since the list was written stays listed and reports
    // its missing scene.xml.
    EXPECT_EQ(boxes.summary(), std::vector<std::string>{DataDir + "gone/scene.xml|Error opening file for reading"});
}
