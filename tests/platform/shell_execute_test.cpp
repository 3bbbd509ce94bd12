#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>

#include <cerrno>
#include <string>

#include "platform/shell_execute.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

// A folder with a fake xdg-open that writes its arguments, one a line, to
// args.txt, put first on PATH.
class FakeOpener {
public:
    FakeOpener()
        : script_(dir_.write("bin/xdg-open",
                             "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                 dir_.file("args.tmp") + "\"\nmv \"" + dir_.file("args.tmp") + "\" \"" +
                                 dir_.file("args.txt") + "\"\n")),
          path_("PATH", dir_.file("bin") + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "")) {
        ::chmod(script_.c_str(), 0755);
    }
    // Waits (up to a few seconds) for the opener to have run.
    std::string arguments() const {
        for (int i = 0; i < 500 && !fileExists(dir_.file("args.txt")); ++i) {
            timespec pause{0, 10 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
        return readFileOrEmpty(dir_.file("args.txt"));
    }
    std::string folder() const { return dir_.path(); }

private:
    TempDir dir_;
    std::string script_;
    ScopedEnv path_;
};

}  // namespace

TEST(ShellExecute, RunsXdgOpenWithTheAddressAsOneArgument) {
    FakeOpener opener;
    // Shell syntax in the address must reach the opener untouched.
    const std::string address = "https://www.quillbrook.example/a b?x=1&y=$(touch pwned);`id`'\"";
    HINSTANCE r = ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_GT(reinterpret_cast<uintptr_t>(r), 32u);
    EXPECT_EQ(opener.arguments(), address + "\n");
    EXPECT_FALSE(fileExists(opener.folder() + "/pwned"));
    EXPECT_FALSE(fileExists("pwned"));
    // The child it started has been reaped: no child is left to wait for.
    int status = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(ShellExecute, MissingOpenerOrAddressReportsNothingAndLeavesNoChild) {
    TempDir empty;
    ScopedEnv path("PATH", empty.path());
    ShellExecuteA(nullptr, "open", "https://www.quillbrook.example/", nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_LE(reinterpret_cast<uintptr_t>(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, 1)), 32u);
    EXPECT_LE(reinterpret_cast<uintptr_t>(ShellExecuteA(nullptr, "open", nullptr, nullptr, nullptr, 1)), 32u);
    int status = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
}
