#include <gtest/gtest.h>
#include <dirent.h>

#include <string>
#include <vector>

#include "settings/options.h"
#include "shell/data_dir.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

// The fields in the order the file holds them, for comparing whole records.
std::vector<int32_t> fields(const Options& o) {
    return {o.KeepAspect_1_6, o.SoundsEnabled, o.DoNotUseAccumBuffer, o.SleepEnabled,
            o.IgnoreMouseMove, o.RunCount, o.xSpeed, o.zSpeed, o.changeSkyAtStartUp,
            o.changeSkyDuring, o.changeFrequency, o.Day, o.Month};
}

// A record whose every field differs from every default a load can store.
Options distinctRecord() {
    Options o;
    int32_t v = 101;
    for (int32_t* f : {&o.KeepAspect_1_6, &o.SoundsEnabled, &o.DoNotUseAccumBuffer, &o.SleepEnabled,
                       &o.IgnoreMouseMove, &o.RunCount, &o.xSpeed, &o.zSpeed, &o.changeSkyAtStartUp,
                       &o.changeSkyDuring, &o.changeFrequency, &o.Day, &o.Month})
        *f = v++;
    return o;
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

class OptionsFile : public testing::Test {
protected:
    void SetUp() override {
        savedDataDir_ = DataDir;
        DataDir = dir_.path() + "/";  // as a lookup leaves it: ending with a separator
    }
    void TearDown() override { DataDir = savedDataDir_; }

    // Loads content as options.xml into distinctRecord() and returns it.
    Options loadText(const std::string& content) {
        dir_.write("options.xml", content);
        Options o = distinctRecord();
        o.load("options.xml");
        return o;
    }
    std::string path() const { return DataDir + "/options.xml"; }

    TempDir dir_;
    MessageBoxRecorder boxes_;

private:
    std::string savedDataDir_;
};

std::string doc(const std::string& children) { return "<?xml version=\"1.0\" ?>\n<OPTIONS>" + children + "</OPTIONS>"; }

}  // namespace

TEST_F(OptionsFile, ReadsValuesLikePercentDAndDefaultsForAbsentAttributes) {
    struct Case {
        const char* name;
        std::string content;
        std::vector<int32_t> want;  // in file order, Day and Month last
    };
    const Case cases[] = {
        {"every element without its attribute",
         doc("<KeepAspect_1_6/><SoundsEnabled/><DoNotUseAccumBuffer/><SleepEnabled/><IgnoreMouseMove/>"
             "<RunCount/><xSpeed/><zSpeed/><changeSkyAtStartUp/><changeSkyDuring/><changeFrequency/><Date/>"),
         {0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"number texts",
         doc("<KeepAspect_1_6 v=\"12abc\"/><SoundsEnabled v=\"7.9\"/><DoNotUseAccumBuffer v=\" -3\"/>"
             "<SleepEnabled v=\"abc\"/><IgnoreMouseMove v=\"0x10\"/><RunCount v=\"\"/><xSpeed v=\"+8\"/>"
             "<zSpeed v=\"99999999999\"/>"),
         {12, 7, -3, 104, 0, 106, 8, 2147483647, 109, 110, 111, 112, 113}},
        {"any order, any root name, first of each name, unknown and miscased names ignored",
         "<?xml version=\"1.0\"?><settings><changeFrequency v=\"20\"/><Date Month=\"12\" Day=\"21\"/>"
         "<changeFrequency v=\"3\"/><Unknown v=\"5\"/><xspeed v=\"1\"/><xSpeed V=\"2\"/>"
         "<RunCount v=\"32\" extra=\"1\"/></settings>",
         {101, 102, 103, 104, 105, 32, 0, 108, 109, 110, 20, 21, 12}},
        {"Date attributes each on their own", doc("<Date Month=\"4\"/>"),
         {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 0, 4}},
        {"values kept without range checks", doc("<changeFrequency v=\"0\"/><xSpeed v=\"-500\"/>"),
         {101, 102, 103, 104, 105, 106, -500, 108, 109, 110, 0, 112, 113}},
        {"only the root", doc(""), fields(distinctRecord())},
        {"no root element at all", "<?xml version=\"1.0\"?><!-- nothing here -->", fields(distinctRecord())},
        {"nested elements are not children", doc("<Group><RunCount v=\"1\"/></Group>"), fields(distinctRecord())},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fields(loadText(c.content)), c.want) << c.name;
    }
    EXPECT_EQ(boxes_.count(), 0u);
}

TEST_F(OptionsFile, UnreadableFilesShowTheBoxAndChangeNothing) {
    struct Case {
        const char* name;
        std::string content;
    };
    std::string deep;
    for (int i = 0; i < 20000; ++i) deep += "<a>";
    const Case cases[] = {
        {"empty", ""},
        {"truncated", doc("<RunCount v=\"5\"/><xSpeed v=\"1").substr(0, 60)},
        {"garbage", std::string("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01", 12)},
        {"not closed", "<OPTIONS><RunCount v=\"5\"/>"},
        {"deeply nested", "<OPTIONS>" + deep},
        {"over 1 MiB", doc("<RunCount v=\"5\"/><!--" + std::string(1024 * 1024, 'x') + "-->")},
    };
    for (const Case& c : cases) {
        boxes_.clear();
        EXPECT_EQ(fields(loadText(c.content)), fields(distinctRecord())) << c.name;
        ASSERT_EQ(boxes_.count(), 1u) << c.name;
        EXPECT_EQ(boxes_.calls()[0].text, "Error opening file for reading");
        EXPECT_EQ(boxes_.calls()[0].caption, path());
        EXPECT_EQ(boxes_.calls()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
        EXPECT_EQ(boxes_.calls()[0].owner, nullptr);
    }

    boxes_.clear();
    ::unlink(path().c_str());
    Options o = distinctRecord();
    o.load("options.xml");
    EXPECT_EQ(fields(o), fields(distinctRecord()));
    EXPECT_EQ(boxes_.summary(), std::vector<std::string>{path() + "|Error opening file for reading"});
    EXPECT_FALSE(fileExists(path()));  // a load never creates the file
}

TEST_F(OptionsFile, AFileOfExactly1MiBStillLoads) {
    const std::string head = "<OPTIONS><RunCount v=\"5\"/><!--";
    const std::string tail = "--></OPTIONS>";
    const std::string content = head + std::string(1024 * 1024 - head.size() - tail.size(), 'x') + tail;
    ASSERT_EQ(content.size(), 1024u * 1024u);
    EXPECT_EQ(loadText(content).RunCount, 5);
    EXPECT_EQ(boxes_.count(), 0u);
}

TEST_F(OptionsFile, PathsLongerThan255CharactersAreRefused) {
    // DataDir + "/options.xml" of exactly 255 characters, then of 256.
    const std::string base = dir_.path() + "/";
    for (std::size_t length : {255u, 256u}) {
        const bool fits = length == 255;
        const std::size_t pad = length - base.size() - std::string("//options.xml").size();
        const std::string folder = dir_.mkdir(std::string(pad, fits ? 'a' : 'b'));
        DataDir = folder + "/";
        ASSERT_EQ(path().size(), length);
        dir_.write(folder.substr(base.size()) + "/options.xml", doc("<RunCount v=\"5\"/>"));

        boxes_.clear();
        Options o = distinctRecord();
        o.load("options.xml");
        EXPECT_EQ(o.RunCount, fits ? 5 : distinctRecord().RunCount) << length;
        ASSERT_EQ(boxes_.count(), fits ? 0u : 1u) << length;
        if (!fits) {
            EXPECT_EQ(boxes_.calls()[0].caption, path());
        }

        o.RunCount = 9;
        o.save("options.xml");
        const bool saved = readFileOrEmpty(folder + "/options.xml").find("<RunCount v=\"9\"/>") != std::string::npos;
        EXPECT_EQ(saved, fits) << length;
    }
}

TEST_F(OptionsFile, SaveWritesTheTwelveElementsInOrderAndReplacesTheFile) {
    dir_.write("options.xml", doc("<Extra v=\"1\"/><RunCount v=\"3\"/>"));
    Options o = distinctRecord();
    o.xSpeed = -7;
    o.save("options.xml");
    EXPECT_EQ(readFileOrEmpty(path()),
              "<?xml version=\"1.0\"?>\n"
              "<OPTIONS>\n"
              "    <KeepAspect_1_6 v=\"101\"/>\n"
              "    <SoundsEnabled v=\"102\"/>\n"
              "    <DoNotUseAccumBuffer v=\"103\"/>\n"
              "    <SleepEnabled v=\"104\"/>\n"
              "    <IgnoreMouseMove v=\"105\"/>\n"
              "    <RunCount v=\"106\"/>\n"
              "    <xSpeed v=\"-7\"/>\n"
              "    <zSpeed v=\"108\"/>\n"
              "    <changeSkyAtStartUp v=\"109\"/>\n"
              "    <changeSkyDuring v=\"110\"/>\n"
              "    <changeFrequency v=\"111\"/>\n"
              "    <Date Day=\"112\" Month=\"113\"/>\n"
              "</OPTIONS>\n");
    EXPECT_EQ(folderEntries(dir_.path()), std::vector<std::string>{"options.xml"});  // no temporary left

    Options back;
    back.load("options.xml");
    EXPECT_EQ(fields(back), fields(o));
    EXPECT_EQ(boxes_.count(), 0u);
}

TEST_F(OptionsFile, SaveWithoutAUsableDataDirWritesNothingAndSaysNothing) {
    DataDir = dir_.file("missing") + "/";
    g_options.save("options.xml");
    EXPECT_TRUE(folderEntries(dir_.path()).empty());

    // Never found: the settings must not land at the root of the file system.
    const bool rootFileBefore = fileExists("/options.xml");
    DataDir.clear();
    g_options.save("options.xml");
    if (!rootFileBefore) {
        EXPECT_FALSE(fileExists("/options.xml"));
    }
    EXPECT_EQ(boxes_.count(), 0u);
}
