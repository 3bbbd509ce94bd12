#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/options.h"
#include "shell/data_dir.h"
#include "shell/test_screensaver.h"
#include "support/message_box_recorder.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

// Puts the process-wide settings and data directory back after a test.
class SavedGlobals {
public:
    SavedGlobals() : options_(g_options), dataDir_(DataDir) {}
    ~SavedGlobals() {
        g_options = options_;
        DataDir = dataDir_;
    }

private:
    Options options_;
    std::string dataDir_;
};

}  // namespace

TEST(TestScreensaver, ConstructionLooksUpTheDataDirectoryThenLoadsTheSettings) {
    SavedGlobals saved;
    TempDir install;
    install.write("data/options.xml", "<OPTIONS><RunCount v=\"7\"/></OPTIONS>");
    ScopedEnv machine("FLURRYDALE_HKLM", install.file("none.ini"));
    ScopedEnv user("FLURRYDALE_HKCU",
                   install.write("hkcu.ini", "[Software\\Quillbrook\\Flurrydale]\nDir=" + install.path() + "\n"));
    MessageBoxRecorder boxes;
    CTestScreensaver app;
    EXPECT_EQ(CScreensaverApp::instance(), &app);
    EXPECT_EQ(app.saverWindow(), nullptr);
    EXPECT_EQ(DataDir, install.path() + "/data/");
    EXPECT_EQ(g_options.RunCount, 7);
    EXPECT_EQ(boxes.summary(),
              std::vector<std::string>{"Error|HKEY_LOCAL_MACHINE Registry not found! Please reinstall Flurrydale Screen Saver"});
    EXPECT_STREQ(app.GetCompanyName(), "Quillbrook");
}

TEST(TestScreensaver, WithoutRegistryTheBoxesComeInOrderAndTheSettingsStay) {
    SavedGlobals saved;
    TempDir dir;
    ScopedEnv machine("FLURRYDALE_HKLM", dir.file("none.ini"));
    ScopedEnv user("FLURRYDALE_HKCU", dir.file("none.ini"));
    DataDir.clear();
    g_options.xSpeed = 33;
    MessageBoxRecorder boxes;
    CTestScreensaver app;
    EXPECT_EQ(boxes.summary(),
              (std::vector<std::string>{"Error|HKEY_LOCAL_MACHINE Registry not found! Please reinstall Flurrydale Screen Saver",
                                        "Error|Registry not found! Please reinstall Flurrydale Screen Saver",
                                        "/options.xml|Error opening file for reading"}));
    EXPECT_EQ(DataDir, "");
    EXPECT_EQ(g_options.xSpeed, 33);
}
