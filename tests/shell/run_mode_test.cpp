#include <gtest/gtest.h>

#include <string>

#include "shell/frame_pacing.h"
#include "shell/screensaver_app.h"

TEST(RunMode, SwitchesAreFoundAnywhereWithLaterTestsWinning) {
    struct Case {
        const char* tail;
        RunMode mode;
    };
    const Case cases[] = {
        {"", RunMode::ConfigureDialog},
        {"whatever", RunMode::ConfigureDialog},
        {"/c", RunMode::ConfigureDialog},
        {"/c:1234", RunMode::ConfigureDialog},
        {"-c 1234", RunMode::ConfigureDialog},
        {"/s", RunMode::FullScreen},
        {"/S", RunMode::FullScreen},
        {"-s", RunMode::FullScreen},
        {"x/sy", RunMode::FullScreen},  // a substring, not a separate word
        {"/a", RunMode::PasswordChange},
        {"-A 77", RunMode::PasswordChange},
        {"/s /a", RunMode::PasswordChange},
        {"/p 1234", RunMode::Preview},
        {"-p 1234", RunMode::Preview},
        {"/a /p 99", RunMode::Preview},
        {"/P:5", RunMode::Preview},
        {"/testpreview", RunMode::TestPreview},
        {"/TestPreview", RunMode::TestPreview},
        {"/p 99 /testpreview", RunMode::TestPreview},
        {"/s /a /p 1 /testpreview", RunMode::TestPreview},
        {"\xc3\x89/S", RunMode::FullScreen},  // a multi-byte character before the switch
    };
    for (const Case& c : cases) EXPECT_EQ(chooseRunMode(c.tail), c.mode) << '"' << c.tail << '"';
}

TEST(RunMode, PreviewHandleIsReadLikeAtoiAfterOneSeparator) {
    struct Case {
        const char* tail;
        uintptr_t handle;
    };
    const Case cases[] = {
        {"/p 1234", 1234},
        {"/p:1234", 1234},
        {"-p 1234", 1234},
        {"/P 1234", 1234},
        {"/p  42", 42},           // atoi skips further blanks
        {"/p 12abc", 12},
        {"/p abc", 0},
        {"/p", 0},                // nothing after the switch
        {"/p ", 0},
        {"/p1234", 234},          // exactly one character is skipped, whatever it is
        {"-p 5 /p 7", 7},         // "/p" is looked for first
        {"/p 99999999999", 2147483647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(idFromHwnd(previewParentFromTail(c.tail)), c.handle) << '"' << c.tail << '"';
    // A negative number is a handle no window has.
    EXPECT_EQ(previewParentFromTail("/p -5"), hwndFromId(static_cast<uintptr_t>(-5)));
}

TEST(FramePacing, AFrameIsDueOnlyAfterMoreThan10Milliseconds) {
    struct Case {
        int32_t now;
        int32_t last;
        bool due;
        int32_t wait;
    };
    const Case cases[] = {
        {0, 0, false, 11},
        {10, 0, false, 1},
        {11, 0, true, 0},
        {1000, 990, false, 1},
        {1001, 990, true, 0},
        {1003, 1000, false, 8},
        {INT32_MIN + 5, INT32_MAX - 5, true, 0},   // 11 ms across the wrap of the clock
        {INT32_MIN + 3, INT32_MAX - 5, false, 2},  // 9 ms across it
        {100, 200, true, 0},                       // more than 2^31 ms ago
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frameDue(c.now, c.last), c.due) << c.now << " after " << c.last;
        EXPECT_EQ(millisUntilFrameDue(c.now, c.last), c.wait) << c.now << " after " << c.last;
    }
}
