#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/window.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "shell/prompts.h"
#include "shell/web_links.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

const char kVoteCaption[] = "Thank you for using Flurrydale";
const char kVoteText[] =
    "Seems that you like Flurrydale! \nWould you be so kind to vote for it? This will help others "
    "to find it! ";
const char kCheckCaption[] = "Notification";
const char kCheckText[] = "Would you like to check if your version of Flurrydale is latest?";

// A data directory, a browser opener on PATH that records what it is asked
// to open, and fresh settings.
class PromptsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setWindowBackend(platform::WindowBackend::InMemory);
        DataDir = dir.path() + "/";
        g_options = Options();
        dir.write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >>\"" + dir.file("opened.log") + "\"\n");
        std::string bin = dir.file("bin/xdg-open");
        chmod(bin.c_str(), 0755);
        const char* path = std::getenv("PATH");
        oldPath = path ? path : "";
        setenv("PATH", (dir.file("bin") + ":" + oldPath).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", oldPath.c_str(), 1);
        DataDir.clear();
    }

    // The addresses opened so far, once count of them have arrived (the
    // opener runs detached) or two seconds have passed.
    std::vector<std::string> opened(std::size_t count) {
        std::vector<std::string> lines;
        for (int i = 0; i < 200; ++i) {
            lines.clear();
            std::string text = readFileOrEmpty(dir.file("opened.log"));
            std::size_t start = 0, end;
            while ((end = text.find('\n', start)) != std::string::npos) {
                lines.push_back(text.substr(start, end - start));
                start = end + 1;
            }
            if (lines.size() >= count) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return lines;
    }

    TempDir dir;
    MessageBoxRecorder boxes;
    std::string oldPath;
};

TEST_F(PromptsTest, VoteAskedOnlyOnThe33rdRun) {
    for (int run : {1, 32, 34, 100}) {
        g_options.RunCount = run;
        PromptVote(nullptr);
    }
    EXPECT_EQ(boxes.count(), 0u);

    g_options.RunCount = 33;
    boxes.answerNext(IDYES);
    PromptVote(nullptr);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.calls()[0].owner, nullptr);
    EXPECT_EQ(boxes.calls()[0].caption, kVoteCaption);
    EXPECT_EQ(boxes.calls()[0].text, kVoteText);
    EXPECT_EQ(boxes.calls()[0].type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(opened(1), std::vector<std::string>{VoteUrl});
}

TEST_F(PromptsTest, NoOpensNothing) {
    g_options.RunCount = 33;
    boxes.answerNext(IDNO);
    PromptVote(nullptr);
    boxes.answerNext(IDNO);
    PromptVersionCheckOnDate(nullptr, 3, 5);
    // A Yes afterwards is the fence: its address must be the only one.
    boxes.answerNext(IDYES);
    PromptVersionCheckOnDate(nullptr, 21, 5);
    EXPECT_EQ(boxes.count(), 3u);
    EXPECT_EQ(opened(1), std::vector<std::string>{VersionCheckUrl});
}

TEST_F(PromptsTest, VersionCheckDays) {
    struct Case {
        int day, month, lastDay, lastMonth;
        bool due;
    };
    const Case cases[] = {
        {3, 5, 0, 0, true},    {21, 5, 0, 0, true},  {21, 5, 3, 5, true},
        {3, 6, 3, 5, true},    {3, 5, 3, 5, false},  {21, 12, 21, 12, false},
        {4, 5, 0, 0, false},   {20, 5, 3, 5, false}, {1, 1, 0, 0, false},
        {31, 1, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(versionCheckDue(c.day, c.month, c.lastDay, c.lastMonth), c.due)
            << c.day << "/" << c.month << " after " << c.lastDay << "/" << c.lastMonth;
}

TEST_F(PromptsTest, VersionCheckStoresTheDayBeforeAsking) {
    g_options.RunCount = 12;
    std::string fileAtQuestion;
    int questions = 0;
    platform::setMessageBoxHook([&](const platform::MessageBoxCall& call) {
        ++questions;
        EXPECT_EQ(call.caption, kCheckCaption);
        EXPECT_EQ(call.text, kCheckText);
        EXPECT_EQ(call.type, static_cast<UINT>(MB_YESNO));
        fileAtQuestion = readFileOrEmpty(dir.file("options.xml"));
        return IDNO;
    });
    PromptVersionCheckOnDate(nullptr, 3, 5);
    EXPECT_EQ(questions, 1);
    EXPECT_NE(fileAtQuestion.find("Day=\"3\""), std::string::npos) << fileAtQuestion;
    EXPECT_NE(fileAtQuestion.find("Month=\"5\""), std::string::npos) << fileAtQuestion;
    EXPECT_NE(fileAtQuestion.find("<RunCount v=\"12\""), std::string::npos) << fileAtQuestion;
    EXPECT_EQ(g_options.Day, 3);
    EXPECT_EQ(g_options.Month, 5);

    // Once a day only, answer or not.
    PromptVersionCheckOnDate(nullptr, 3, 5);
    EXPECT_EQ(questions, 1);
    platform::setMessageBoxHook(nullptr);
}

TEST_F(PromptsTest, NotAPromptDayTouchesNothing) {
    g_options.Day = 21;
    g_options.Month = 4;
    PromptVersionCheckOnDate(nullptr, 22, 4);
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_FALSE(fileExists(dir.file("options.xml")));
    EXPECT_EQ(g_options.Day, 21);
}

}  // namespace
