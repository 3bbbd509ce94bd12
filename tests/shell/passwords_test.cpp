#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/library.h"
#include "platform/system_state.h"
#include "platform/window.h"
#include "recording_app.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

typedef int (*VerifyCallback)(void* window);
typedef unsigned (*ChangeCallback)(const char* provider, void* parent, unsigned reserved1, unsigned reserved2);
typedef void (*SetCallbacks)(VerifyCallback, ChangeCallback);

// What the provider saw and what it answers next.
struct ProviderState {
    std::vector<HWND> verifyWindows;
    std::vector<int> cursorCountsDuringVerify;
    std::deque<int> answers;
    std::vector<std::string> changes;
    bool flagDuringChange = false;
};
ProviderState* g_state = nullptr;

int cursorCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

int onVerify(void* window) {
    g_state->verifyWindows.push_back(static_cast<HWND>(window));
    g_state->cursorCountsDuringVerify.push_back(cursorCount());
    if (g_state->answers.empty()) return 0;
    int a = g_state->answers.front();
    g_state->answers.pop_front();
    return a;
}

unsigned onChange(const char* provider, void* parent, unsigned r1, unsigned r2) {
    g_state->changes.push_back(std::string(provider) + " " + std::to_string(idFromHwnd(static_cast<HWND>(parent))) +
                               " " + std::to_string(r1) + " " + std::to_string(r2));
    g_state->flagDuringChange = platform::screenSaverRunning();
    return 0;
}

bool loaded(const std::string& path) {
    void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (h) dlclose(h);
    return h != nullptr;
}

}  // namespace

// A library folder whose "PASSWORD.CPL" and "MPR.DLL" are the test's
// providers, on a system that reports itself as not NT-based.
class Providers : public InMemoryWindows {
protected:
    void SetUp() override {
        InMemoryWindows::SetUp();
        g_state = &state;
        platform::setLibraryFolder(folder.path());
        platform::setReportedPlatformId(VER_PLATFORM_WIN32_WINDOWS);
    }
    void TearDown() override {
        if (handle) dlclose(handle);
        platform::setReportedPlatformId(VER_PLATFORM_WIN32_NT);
        platform::setLibraryFolder("");
        g_state = nullptr;
        InMemoryWindows::TearDown();
    }
    // Installs the answering provider under name and keeps it loaded, so
    // the callbacks stay set between the program's loads and frees.
    std::string install(const char* name) {
        const std::string path = folder.file(name);
        EXPECT_EQ(symlink(FLURRY_TEST_PROVIDER, path.c_str()), 0);
        if (!handle) {
            handle = dlopen(path.c_str(), RTLD_NOW);
            auto set = reinterpret_cast<SetCallbacks>(dlsym(handle, "testProviderSetCallbacks"));
            EXPECT_NE(set, nullptr);
            if (set) set(onVerify, onChange);
        }
        return path;
    }
    std::string installEmpty(const char* name) {
        const std::string path = folder.file(name);
        EXPECT_EQ(symlink(FLURRY_EMPTY_PROVIDER, path.c_str()), 0);
        return path;
    }
    // Drops the test's own reference; true when the program freed its own.
    bool providerFreed(const std::string& path) {
        dlclose(handle);
        handle = nullptr;
        return !loaded(path);
    }

    TempDir folder;
    ProviderState state;
    void* handle = nullptr;
    RecordingApp app;
};

TEST_F(Providers, NTBasedSystemsAcceptWithoutAsking) {
    install("PASSWORD.CPL");
    platform::setReportedPlatformId(VER_PLATFORM_WIN32_NT);
    EXPECT_TRUE(app.VerifyPassword(hwndFromId(0x42)));
    EXPECT_TRUE(state.verifyWindows.empty());
}

TEST_F(Providers, TheProviderDecidesWithThePointerShownMeanwhile) {
    const std::string path = install("PASSWORD.CPL");
    ShowCursor(FALSE);  // hidden, as during a full-screen run
    const int before = cursorCount();
    state.answers = {1, 0, 2, -1};
    const bool results[] = {true, false, false, false};
    for (bool expected : results) EXPECT_EQ(app.VerifyPassword(hwndFromId(0x42)), expected);
    EXPECT_EQ(state.verifyWindows, std::vector<HWND>(4, hwndFromId(0x42)));
    EXPECT_EQ(state.cursorCountsDuringVerify, std::vector<int>(4, before + 1));
    EXPECT_EQ(cursorCount(), before);
    EXPECT_TRUE(providerFreed(path));
}

TEST_F(Providers, AMissingProviderOrEntryRefusesWithoutAnyBox) {
    MessageBoxRecorder boxes;
    EXPECT_EQ(app.CheckPassword(nullptr), PasswordCheck::NoProvider);
    EXPECT_FALSE(app.VerifyPassword(nullptr));

    const std::string path = installEmpty("PASSWORD.CPL");
    EXPECT_EQ(app.CheckPassword(nullptr), PasswordCheck::NoProvider);
    EXPECT_FALSE(loaded(path));  // freed again
    EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(Providers, ThePasswordChangeRunsTheProvidersDialogWithTheFlagSet) {
    const std::string path = install("MPR.DLL");
    app.InitInstance("/a 1234");
    EXPECT_EQ(state.changes, std::vector<std::string>{"SCRSAVE " + std::to_string(idFromHwnd(GetDesktopWindow())) +
                                                      " 0 0"});
    EXPECT_TRUE(state.flagDuringChange);
    EXPECT_FALSE(platform::screenSaverRunning());
    EXPECT_TRUE(app.log.empty());
    EXPECT_TRUE(providerFreed(path));
}

TEST_F(Providers, APasswordChangeWithoutTheEntryDoesNothing) {
    const std::string path = installEmpty("MPR.DLL");
    MessageBoxRecorder boxes;
    app.InitInstance("-a");
    EXPECT_FALSE(loaded(path));
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_FALSE(platform::screenSaverRunning());
}

TEST_F(Providers, AFullScreenRunAsksUntilThePasswordIsGivenTickingInBetween) {
    install("PASSWORD.CPL");
    HWND window = nullptr;
    app.createFullScreen = [&] { return window = popup(); };
    app.onFullScreenTick = [&](int tick) {
        if (tick == 2) DestroyWindow(window);
    };
    state.answers = {0, 0, 1};
    app.RunFullScreen();
    EXPECT_EQ(state.verifyWindows, std::vector<HWND>(3, window));
    EXPECT_EQ(app.log, (std::vector<std::string>{"CreateFullScreenWindow", "TickFullScreen", "TickFullScreen",
                                                 "TickFullScreen", "TickFullScreen", "EndFullScreen"}));
}

TEST_F(Providers, AFullScreenRunWithoutAnyProviderEndsInsteadOfAskingForever) {
    HWND window = nullptr;
    app.createFullScreen = [&] { return window = popup(); };
    app.onFullScreenTick = [&](int tick) {
        if (tick == 1) DestroyWindow(window);
        if (tick > 100) FAIL() << "still asking";
    };
    app.RunFullScreen();
    EXPECT_EQ(app.fullScreenTicks, 1);
    EXPECT_EQ(app.log.back(), "EndFullScreen");
}
