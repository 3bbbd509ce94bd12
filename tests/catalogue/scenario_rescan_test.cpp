#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/scenario.h"
#include "support/data_dir_test.h"

namespace {

struct Entry {
    std::string path;
    int enabled;
    bool operator==(const Entry& o) const { return path == o.path && enabled == o.enabled; }
    bool operator<(const Entry& o) const { return path < o.path; }
};

void PrintTo(const Entry& e, std::ostream* os) { *os << "{" << e.path << ", " << e.enabled << "}"; }

class ScenarioRescan : public DataDirTest {
protected:
    // The two passes of a rendering start: the old list's flags carried into
    // a fresh list file, which is then read back. Returns what it lists,
    // sorted by name (the listing order is the file system's).
    std::vector<Entry> rescanAndReload() {
        {
            Scenario old;
            old.load("defaultScenario.xml");
            old.rescan(DataDir.c_str());
        }
        Scenario fresh;
        fresh.load("defaultScenario.xml");
        std::vector<Entry> out;
        for (int i = 0; i < fresh.count(); ++i) out.push_back({fresh.path(i), fresh.isEnabled(i)});
        std::sort(out.begin(), out.end());
        return out;
    }
};

}  // namespace

TEST_F(ScenarioRescan, ListsOnlyPlainFoldersWithASceneFile) {
    writeScene("alpine", "<Scene/>");
    writeScene("lake", "<Scene/>");
    writeScene(".hidden", "<Scene/>");
    writeScene("locked", "<Scene/>");
    ASSERT_EQ(::chmod(tmp.file("locked").c_str(), 0555), 0);
    tmp.mkdir("_snowflakes");
    tmp.write("_snowflakes/sf4.jpg", "not a scene");
    tmp.write("loose-file", "<Scene/>");
    tmp.write("scene.xml", "<Scene/>");  // in DataDir itself
    writeScene("nested/inner", "<Scene/>");
    ASSERT_EQ(::symlink(tmp.file("alpine").c_str(), tmp.file("linked").c_str()), 0);
    tmp.mkdir("misnamed");
    tmp.write("misnamed/Scene.xml", "<Scene/>");  // names are case-sensitive

    const std::vector<Entry> expected = {{"alpine", 1}, {"lake", 1}};
    EXPECT_EQ(rescanAndReload(), expected);
}

TEST_F(ScenarioRescan, KeepsFlagsByNameAddsNewFoldersDropsRemovedOnes) {
    for (const char* f : {"kept-off", "kept-on", "odd-flag", "Renamed", "removed"}) writeScene(f, "<Scene/>");
    tmp.write("defaultScenario.xml",
              "<SCENARIO><Scenes>"
              "<Scene path=\"kept-off\" enabled=\"0\"/><Scene path=\"kept-on\" enabled=\"1\"/>"
              "<Scene path=\"odd-flag\" enabled=\"7\"/><Scene path=\"Renamed\" enabled=\"0\"/>"
              "<Scene path=\"removed\" enabled=\"0\"/>"
              "</Scenes></SCENARIO>");
    ASSERT_EQ(::rename(tmp.file("Renamed").c_str(), tmp.file("renamed").c_str()), 0);
    std::filesystem::remove_all(tmp.file("removed"));
    writeScene("added", "<Scene/>");

    const std::vector<Entry> expected = {
        {"added", 1}, {"kept-off", 0}, {"kept-on", 1}, {"odd-flag", 1}, {"renamed", 1}};
    EXPECT_EQ(rescanAndReload(), expected);
    // The old list reported the scene.xml of the folders gone since, once each.
    EXPECT_EQ(boxes.summary(), (std::vector<std::string>{DataDir + "Renamed/scene.xml|Error opening file for reading",
                                                         DataDir + "removed/scene.xml|Error opening file for reading"}));
}

TEST_F(ScenarioRescan, MissingOrBrokenListEnablesEveryFolder) {
    writeScene("a", "<Scene/>");
    writeScene("b", "<Scene/>");
    const std::vector<Entry> expected = {{"a", 1}, {"b", 1}};
    EXPECT_EQ(rescanAndReload(), expected);

    tmp.write("defaultScenario.xml", "<SCENARIO><Scenes><Scene path=\"a\" enabled=\"0\"");
    EXPECT_EQ(rescanAndReload(), expected);
}

TEST_F(ScenarioRescan, WritesTheListLayoutAndOneBlankLine) {
    writeScene("alpine", "<Scene/>");
    writeScene("harbour", "<Scene/>");
    tmp.write("defaultScenario.xml", "<SCENARIO><Scenes><Scene path=\"harbour\" enabled=\"0\"/></Scenes></SCENARIO>");
    Scenario old;
    old.load("defaultScenario.xml");
    testing::internal::CaptureStdout();
    old.rescan(DataDir.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");

    const std::string text = readFileOrEmpty(tmp.file("defaultScenario.xml"));
    const std::string alpine = "        <Scene path=\"alpine\" enabled=\"1\"/>\n";
    const std::string harbour = "        <Scene path=\"harbour\" enabled=\"0\"/>\n";
    const std::string head = "<?xml version=\"1.0\"?>\n<SCENARIO>\n    <Scenes>\n";
    const std::string tail = "    </Scenes>\n</SCENARIO>\n";
    // Listing order is the file system's; either order is the same list.
    EXPECT_TRUE(text == head + alpine + harbour + tail || text == head + harbour + alpine + tail) << text;
}

TEST_F(ScenarioRescan, UnlistableFolderStillWritesAnEmptyList) {
    writeScene("a", "<Scene/>");
    const std::string missing = tmp.path() + "/no-such-folder";
    Scenario old;
    testing::internal::CaptureStdout();
    old.rescan(missing.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "No files in " + missing + "/*.* \n");
    EXPECT_EQ(readFileOrEmpty(tmp.file("defaultScenario.xml")),
              "<?xml version=\"1.0\"?>\n<SCENARIO>\n    <Scenes/>\n</SCENARIO>\n");
}

TEST_F(ScenarioRescan, HasSceneFile) {
    writeScene("yes", "<Scene/>");
    tmp.mkdir("no");
    EXPECT_TRUE(Scenario::hasSceneFile(tmp.file("yes").c_str()));
    EXPECT_FALSE(Scenario::hasSceneFile(tmp.file("no").c_str()));
    EXPECT_FALSE(Scenario::hasSceneFile(tmp.file("absent").c_str()));
}

TEST_F(ScenarioRescan, EnabledByNameIsExactAndDefaultsToOne) {
    writeScene("Alpine", "<Scene/>");
    tmp.write("list.xml", "<S><Scenes><Scene path=\"Alpine\" enabled=\"0\"/><Scene path=\"Alpine\"/></Scenes></S>");
    Scenario s;
    s.load("list.xml");
    EXPECT_EQ(s.enabledByName("Alpine"), 0);  // the first equal entry
    EXPECT_EQ(s.enabledByName("alpine"), 1);
    EXPECT_EQ(s.enabledByName("Alpine "), 1);
    EXPECT_EQ(s.enabledByName(""), 1);
}
