#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/data_dir.h"
#include "support/message_box_recorder.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

const char* kMachineBox = "Error|HKEY_LOCAL_MACHINE Registry not found! Please reinstall Flurrydale Screen Saver";
const char* kUserBox = "Error|Registry not found! Please reinstall Flurrydale Screen Saver";

std::string hiveWithDir(const std::string& dir) { return "[Software\\Quillbrook\\Flurrydale]\nDir=" + dir + "\n"; }

}  // namespace

TEST(LookUpDataDir, MachineKeyFirstThenUserKeyWithBothBoxesInOrder) {
    const std::string longest(511, 'L');
    struct Case {
        const char* name;
        std::optional<std::string> machine;  // hive file contents; none: no file
        std::optional<std::string> user;
        std::string dataDir;  // DataDir is "/previous/" before the lookup
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"machine key", hiveWithDir("/opt/saver"), hiveWithDir("/home/u/saver"), "/opt/saver/data/", {}},
        {"trailing separator kept", hiveWithDir("/opt/saver/"), std::nullopt, "/opt/saver//data/", {}},
        {"user key only", std::nullopt, hiveWithDir("/home/u/saver"), "/home/u/saver/data/", {kMachineBox}},
        {"machine hive garbage", std::string("\x01\x02garbage"), hiveWithDir("/u"), "/u/data/", {kMachineBox}},
        {"no key anywhere", std::nullopt, std::nullopt, "/previous/", {kMachineBox, kUserBox}},
        {"other keys only", std::string("[Software\\Other]\nDir=/x\n"), std::string(""), "/previous/",
         {kMachineBox, kUserBox}},
        {"key without Dir", std::string("[Software\\Quillbrook\\Flurrydale]\nPath=/x\n"), hiveWithDir("/u"),
         "/previous/", {}},
        {"empty Dir", hiveWithDir(""), hiveWithDir("/u"), "/previous/", {}},
        {"511 characters", hiveWithDir(longest), std::nullopt, longest + "/data/", {}},
        {"512 characters", hiveWithDir(longest + "M"), std::nullopt, "/previous/", {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ScopedEnv machine("FLURRYDALE_HKLM", c.machine ? dir.write("hklm.ini", *c.machine) : dir.file("none"));
        ScopedEnv user("FLURRYDALE_HKCU", c.user ? dir.write("hkcu.ini", *c.user) : dir.file("none"));
        MessageBoxRecorder boxes;
        const std::string saved = DataDir;
        DataDir = "/previous/";
        LookUpDataDir();
        EXPECT_EQ(DataDir, c.dataDir) << c.name;
        EXPECT_EQ(boxes.summary(), c.boxes) << c.name;
        for (const auto& call : boxes.calls()) {
            EXPECT_EQ(call.owner, nullptr);
            EXPECT_EQ(call.type, static_cast<UINT>(MB_OK));
        }
        DataDir = saved;
    }
}

TEST(LookUpDataDir, EveryLookupShowsItsBoxesAgain) {
    TempDir dir;
    ScopedEnv machine("FLURRYDALE_HKLM", dir.file("none"));
    ScopedEnv user("FLURRYDALE_HKCU", dir.write("hkcu.ini", hiveWithDir("/u")));
    MessageBoxRecorder boxes;
    LookUpDataDir();
    LookUpDataDir();
    EXPECT_EQ(boxes.summary(), (std::vector<std::string>{kMachineBox, kMachineBox}));
    EXPECT_EQ(DataDir, "/u/data/");
    DataDir.clear();
}
