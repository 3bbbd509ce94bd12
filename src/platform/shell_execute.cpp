#include "platform/shell_execute.h"

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
// Results in the manner of the desktop the saver was written for: above 32
// means the opener was started.
const uintptr_t kStarted = 42;
const uintptr_t kFileNotFound = 2;
const uintptr_t kNoAssociation = 31;

HINSTANCE result(uintptr_t code) { return reinterpret_cast<HINSTANCE>(code); }
}  // namespace

HINSTANCE ShellExecuteA(HWND /*owner*/, const char* verb, const char* file,
                        const char* /*parameters*/, const char* /*directory*/,
                        int /*showCommand*/) {
    if (verb && std::strcmp(verb, "open") != 0) return result(kNoAssociation);
    if (!file || !*file) return result(kFileNotFound);
    // Everything the child needs is prepared before the fork.
    char opener[] = "xdg-open";
    char* argv[] = {opener, const_cast<char*>(file), nullptr};
    // The opener runs in a grandchild so that a browser which keeps
    // xdg-open waiting never holds up the saver: the child exits at once
    // and is reaped here, the grandchild belongs to init.
    pid_t child = fork();
    if (child < 0) return result(kNoAssociation);
    if (child == 0) {
        pid_t grandchild = fork();
        if (grandchild == 0) {
            execvp(argv[0], argv);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result(started ? kStarted : kNoAssociation);
}
