// The settings file and scene list an installation ships (defaults/) are
// what the program itself writes for a fresh record: a first start then
// reads them without a box, and the next save changes only what the user
// changed.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/scenario.h"
#include "settings/options.h"
#include "support/data_dir_test.h"

namespace {

std::string shipped(const char* name) { return readFileOrEmpty(std::string(FLURRY_SOURCE_DIR "/defaults/") + name); }

class ShippedDefaults : public DataDirTest {};

TEST_F(ShippedDefaults, OptionsAreTheDefaultsAsTheProgramWritesThem) {
    const std::string text = shipped("options.xml");
    ASSERT_FALSE(text.empty());
    Options().save("options.xml");
    EXPECT_EQ(readFileOrEmpty(tmp.file("options.xml")), text);

    tmp.write("options.xml", text);
    Options read;
    read.RunCount = read.xSpeed = read.changeFrequency = -1;
    read.load("options.xml");
    EXPECT_EQ(read.RunCount, 0);
    EXPECT_EQ(read.xSpeed, 50);
    EXPECT_EQ(read.changeFrequency, 5);
    EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(ShippedDefaults, SceneListIsEmptyAndFillsFromTheFoldersAtTheFirstStart) {
    const std::string text = shipped("defaultScenario.xml");
    ASSERT_FALSE(text.empty());
    // What a scan of a data directory without scenes writes.
    Scenario().rescan(tmp.path().c_str());
    EXPECT_EQ(readFileOrEmpty(listPath()), text);

    tmp.write("defaultScenario.xml", text);
    writeScene("Lake", "<SCENE/>");
    Scenario().rescan(tmp.path().c_str());
    Scenario list;
    list.load("defaultScenario.xml");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.isEnabled(0), 1);
    EXPECT_EQ(boxes.count(), 0u);
}

}  // namespace
