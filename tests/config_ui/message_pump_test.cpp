// The dialog's loop serves the platform's timers (the preview's frames)
// and the toolkit's own input in turn, also while every frame takes longer
// than the timer's period, as a full-screen preview on a software renderer
// does. The toolkit's X connection is stood in for by a pipe with a byte
// waiting: the toolkit reads both only between its time-outs.
#include <gtest/gtest.h>

#include <FL/Fl.H>

#include <unistd.h>

#include <chrono>
#include <thread>

#include "config_ui/message_pump.h"
#include "platform/window.h"

namespace {

int g_frames = 0;
constexpr int kFrameLimit = 100;  // the timer stops here, so a starved loop still ends

LRESULT CALLBACK_slowFrames(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_TIMER) {
        ++g_frames;
        std::this_thread::sleep_for(std::chrono::milliseconds(15));  // a frame slower than the 5 ms period
        if (g_frames >= kFrameLimit) KillTimer(w, wp);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST(MessagePump, SlowFramesLeaveTheToolkitItsTurn) {
    platform::setWindowBackend(platform::WindowBackend::InMemory);
    platform::resetInMemoryWindows();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = CALLBACK_slowFrames;
    wc.lpszClassName = "SlowFrames";
    RegisterClassExA(&wc);
    HWND view = CreateWindowExA(0, "SlowFrames", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(view, nullptr);
    g_frames = 0;
    ASSERT_NE(SetTimer(view, 1, 5, nullptr), uintptr_t{0});

    dlg::MessagePump pump(nullptr);
    // Input that arrives once the frames are running late.
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    static int inputReadAtFrame;
    inputReadAtFrame = -1;
    for (int turn = 0; turn < 1000 && g_frames < 3; ++turn) Fl::wait(0.1);
    ASSERT_EQ(write(input[1], "k", 1), 1);
    Fl::add_fd(input[0], FL_READ, [](int fd, void*) {
        char c;
        if (read(fd, &c, 1) == 1) inputReadAtFrame = g_frames;
    });
    for (int turn = 0; turn < 1000 && inputReadAtFrame < 0; ++turn) Fl::wait(0.1);
    Fl::remove_fd(input[0]);
    close(input[0]);
    close(input[1]);

    // It is read after a frame or two, not only once the frames stop.
    EXPECT_GE(inputReadAtFrame, 3);
    EXPECT_LT(inputReadAtFrame, 10);
    const int before = g_frames;
    for (int turn = 0; turn < 5; ++turn) Fl::wait(0.1);
    EXPECT_GT(g_frames, before);  // and the frames go on
    KillTimer(view, 1);
    DestroyWindow(view);
}

}  // namespace
