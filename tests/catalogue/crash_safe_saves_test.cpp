// The settings and the scene list survive the process being killed at any
// moment of a save: a child saves options.xml and defaultScenario.xml in a
// loop, alternating between two versions, and is killed with SIGKILL at
// random moments; after every kill both files parse and hold exactly one of
// the two versions.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include "catalogue/scenario.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "support/message_box_recorder.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

// SIGKILL loses nothing the kernel already has, so flushing to the disk
// proves nothing here and only slows the loop: the files live in memory
// when the machine offers a memory file system.
const char* memoryFolder() { return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : nullptr; }

class CrashSafeSaves : public testing::Test {
protected:
    void SetUp() override {
        savedDataDir_ = DataDir;
        DataDir = tmp.path() + "/";
        writeScene("Lake", "<SCENE/>");
        writeScene("Hills", "<SCENE/>");
        Scenario().rescan(tmp.path().c_str());
        list_.load("defaultScenario.xml");
        ASSERT_EQ(list_.count(), 2);
        boxes.clear();
    }
    void TearDown() override { DataDir = savedDataDir_; }
    void writeScene(const std::string& folder, const std::string& xml) const {
        tmp.write(folder + "/scene.xml", xml);
    }

    // Version 0 or 1 of both files, as the child saves them.
    void saveVersion(int version) {
        Options o;
        o.RunCount = version ? 123456 : 7;
        o.xSpeed = version ? 90 : 10;
        o.save("options.xml");
        list_.setEnabled(0, version);
        list_.setEnabled(1, !version);
        list_.save("defaultScenario.xml");
    }

    std::string optionsText() const { return readFileOrEmpty(tmp.file("options.xml")); }
    std::string listText() const { return readFileOrEmpty(tmp.file("defaultScenario.xml")); }

    // Starts a child that saves both files alternately in both versions
    // until it is killed; returns once it has saved both files once.
    pid_t startSaver() {
        int ready[2];
        if (pipe(ready) != 0) return -1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(ready[0]);
            for (int round = 0;; ++round) {
                saveVersion(round % 2);
                if (round == 0) {
                    (void)!write(ready[1], "r", 1);
                    close(ready[1]);
                }
            }
        }
        close(ready[1]);
        char c;
        (void)!read(ready[0], &c, 1);
        close(ready[0]);
        return pid;
    }

    ScopedEnv tmpdir_{"TMPDIR", memoryFolder() ? memoryFolder() : std::getenv("TMPDIR")};
    TempDir tmp;
    MessageBoxRecorder boxes;
    Scenario list_;

private:
    std::string savedDataDir_;
};

TEST_F(CrashSafeSaves, EveryKillLeavesTheOldOrTheNewVersionOfBothFiles) {
    std::string options[2], lists[2];
    const auto started = std::chrono::steady_clock::now();
    for (int v = 0; v < 2; ++v) {
        saveVersion(v);
        options[v] = optionsText();
        lists[v] = listText();
    }
    ASSERT_NE(options[0], options[1]);
    ASSERT_NE(lists[0], lists[1]);
    // Kills land anywhere within a round of saving both versions.
    const auto round = std::chrono::steady_clock::now() - started;
    const long window = std::max<long>(200, std::chrono::duration_cast<std::chrono::microseconds>(round).count());

    std::mt19937 random(20240229);
    std::uniform_int_distribution<long> delay(0, window);
    int landedOnOptions[2] = {0, 0};
    for (int kill = 0; kill < 200; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = startSaver();
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const std::string o = optionsText(), l = listText();
        ASSERT_TRUE(o == options[0] || o == options[1]) << o;
        ASSERT_TRUE(l == lists[0] || l == lists[1]) << l;
        ++landedOnOptions[o == options[1]];

        Options reread;
        reread.load("options.xml");
        EXPECT_EQ(reread.RunCount, o == options[1] ? 123456 : 7);
        Scenario rereadList;
        rereadList.load("defaultScenario.xml");
        EXPECT_EQ(rereadList.count(), 2);
        EXPECT_EQ(rereadList.isEnabled(0), l == lists[1] ? 1 : 0);
        ASSERT_EQ(boxes.count(), 0u);
    }
    // The kills fell at different moments of the loop, not always at one.
    EXPECT_GT(landedOnOptions[0], 0);
    EXPECT_GT(landedOnOptions[1], 0);
}

}  // namespace
