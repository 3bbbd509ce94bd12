#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings/options.h"
#include "settings/run_overrides.h"
#include "shell/data_dir.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

// A settings file whose four run-settable fields hold values no override
// below uses.
const char kStoredFile[] = R"(<?xml version="1.0"?>
<OPTIONS>
    <KeepAspect_1_6 v="0"/>
    <RunCount v="7"/>
    <xSpeed v="31"/>
    <changeSkyDuring v="1"/>
    <changeFrequency v="4"/>
</OPTIONS>
)";

struct OverrideCase {
    const char* name;
    std::optional<int32_t> RunOverrides::*override;
    int32_t Options::*member;
    int32_t stored;  // as kStoredFile holds it
    int32_t run;
};
const OverrideCase kCases[] = {
    {"xSpeed", &RunOverrides::xSpeed, &Options::xSpeed, 31, 90},
    {"changeSkyDuring", &RunOverrides::changeSkyDuring, &Options::changeSkyDuring, 1, 0},
    {"changeFrequency", &RunOverrides::changeFrequency, &Options::changeFrequency, 4, 9},
    {"KeepAspect_1_6", &RunOverrides::KeepAspect_1_6, &Options::KeepAspect_1_6, 0, 1},
};

class RunOverridesTest : public testing::Test {
protected:
    void SetUp() override {
        savedDataDir_ = DataDir;
        savedOptions_ = g_options;
        DataDir = dir_.path() + "/";
        g_options = Options();
    }
    void TearDown() override {
        clearRunOverrides();
        g_options = savedOptions_;
        DataDir = savedDataDir_;
    }
    void writeFile(const std::string& text) { dir_.write("options.xml", text); }
    // What the file holds now, read into a record of its own (which no
    // override ever touches).
    Options onDisk() {
        Options o;
        o.load("options.xml");
        return o;
    }

    TempDir dir_;
    MessageBoxRecorder boxes_;

private:
    std::string savedDataDir_;
    Options savedOptions_;
};

}  // namespace

TEST_F(RunOverridesTest, EachFieldShowsTheRunValueAndSavesTheStoredOne) {
    for (const OverrideCase& c : kCases) {
        SCOPED_TRACE(c.name);
        writeFile(kStoredFile);
        g_options = Options();
        RunOverrides run;
        run.*c.override = c.run;
        activateRunOverrides(run);
        EXPECT_EQ(g_options.*c.member, c.run) << "at once, before any load";
        g_options.load("options.xml");
        EXPECT_EQ(g_options.*c.member, c.run) << "after a load";
        // What the creation of a run window does: count, then save.
        g_options.RunCount += 1;
        g_options.save("options.xml");
        const Options saved = onDisk();
        EXPECT_EQ(saved.*c.member, c.stored);
        EXPECT_EQ(saved.RunCount, 8) << "other changes are saved as they are";
        EXPECT_EQ(g_options.*c.member, c.run) << "the save leaves the run's value in place";
        clearRunOverrides();
        EXPECT_EQ(g_options.*c.member, c.stored) << "clearing brings the user's value back";
    }
}

TEST_F(RunOverridesTest, ALoadThatFindsNothingKeepsTheStoredValueForTheNextSave) {
    writeFile(kStoredFile);
    g_options.load("options.xml");
    RunOverrides run;
    run.xSpeed = 90;
    activateRunOverrides(run);
    // No xSpeed element: the field keeps what it held, which is the user's
    // 31, not the run's 90.
    writeFile("<OPTIONS><RunCount v=\"3\"/></OPTIONS>");
    g_options.load("options.xml");
    EXPECT_EQ(g_options.xSpeed, 90);
    g_options.save("options.xml");
    EXPECT_EQ(onDisk().xSpeed, 31);
    // A file that cannot be read changes nothing either.
    std::remove((dir_.path() + "/options.xml").c_str());
    g_options.load("options.xml");
    EXPECT_EQ(boxes_.calls().size(), 1u);
    EXPECT_EQ(g_options.xSpeed, 90);
    g_options.save("options.xml");
    EXPECT_EQ(onDisk().xSpeed, 31);
    EXPECT_EQ(onDisk().RunCount, 3);
}

TEST_F(RunOverridesTest, ReplacingOverridesRestoresTheFieldsNoLongerNamed) {
    writeFile(kStoredFile);
    g_options.load("options.xml");
    RunOverrides first;
    first.xSpeed = 90;
    first.changeFrequency = 9;
    activateRunOverrides(first);
    RunOverrides second;
    second.changeFrequency = 2;
    activateRunOverrides(second);
    EXPECT_EQ(g_options.xSpeed, 31);
    EXPECT_EQ(g_options.changeFrequency, 2);
    g_options.save("options.xml");
    EXPECT_EQ(onDisk().changeFrequency, 4);
}

TEST_F(RunOverridesTest, RecordsOtherThanTheProcessSettingsAreLeftAlone) {
    writeFile(kStoredFile);
    RunOverrides run;
    run.xSpeed = 90;
    activateRunOverrides(run);
    Options other;
    other.load("options.xml");
    EXPECT_EQ(other.xSpeed, 31);
    other.xSpeed = 12;
    other.save("options.xml");
    EXPECT_EQ(onDisk().xSpeed, 12);
}
