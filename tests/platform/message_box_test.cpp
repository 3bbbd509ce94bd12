#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "support/message_box_recorder.h"

TEST(MessageBox, NonInteractiveLineEscapesAndAnswers) {
    struct Case {
        const char* text;
        const char* caption;
        UINT type;
        const char* line;
    };
    const Case cases[] = {
        {"Registry not found!", "Error", MB_OK,
         "flurrydale: message box: caption=\"Error\" text=\"Registry not found!\" buttons=OK answer=OK"},
        {"a\nb \"q\" c\\d", "C", MB_YESNO,
         "flurrydale: message box: caption=\"C\" text=\"a\\nb \\\"q\\\" c\\\\d\" buttons=YESNO answer=NO"},
        {"t", "x", MB_RETRYCANCEL | MB_ICONQUESTION,
         "flurrydale: message box: caption=\"x\" text=\"t\" buttons=RETRYCANCEL answer=CANCEL"},
    };
    for (const Case& c : cases) {
        int answer = platform::nonInteractiveAnswer(c.type);
        EXPECT_EQ(platform::describeMessageBox(c.text, c.caption, c.type, answer), c.line);
    }
}

TEST(MessageBox, StderrBackendWritesOneLine) {
    platform::setMessageBoxBackend(platform::MessageBoxBackend::Stderr);
    testing::internal::CaptureStderr();
    int answer = MessageBoxA(nullptr, "Seems", "Thanks", MB_YESNO);
    std::string err = testing::internal::GetCapturedStderr();
    platform::setMessageBoxBackend(platform::MessageBoxBackend::Automatic);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(err, "flurrydale: message box: caption=\"Thanks\" text=\"Seems\" buttons=YESNO answer=NO\n");
}

TEST(MessageBox, RecorderScriptsAnswers) {
    MessageBoxRecorder rec;
    rec.answerNext(IDRETRY);
    EXPECT_EQ(MessageBoxA(nullptr, "one", "A", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(MessageBoxA(nullptr, "two", "B", MB_RETRYCANCEL), IDCANCEL);
    EXPECT_EQ(rec.summary(), (std::vector<std::string>{"A|one", "B|two"}));
}

TEST(MessageBox, UnsupportedTypeFailsLoudly) {
    MessageBoxRecorder rec;
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", 0x3 /* yes/no/cancel */), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("unsupported"), std::string::npos);
    EXPECT_EQ(rec.count(), 0u);
}
