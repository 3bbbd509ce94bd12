// SIGTERM and SIGINT become a flag and a byte in a pipe, so that a run ends
// through its own loop (windows closed, settings intact, status 0) and a
// loop waiting for messages wakes at once.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <csignal>

#include "platform/window_internal.h"

namespace platform {
namespace {

volatile std::sig_atomic_t g_requested = 0;
int g_pipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    g_requested = 1;
    if (g_pipe[1] >= 0) {
        char byte = 1;
        // The pipe is non-blocking; a full pipe already wakes every wait.
        ssize_t ignored = write(g_pipe[1], &byte, 1);
        (void)ignored;
    }
}

}  // namespace

void installTerminationHandler() {
    if (g_pipe[0] < 0) {
        if (pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0) g_pipe[0] = g_pipe[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool terminationRequested() { return g_requested != 0; }

namespace detail {
// The byte stays in the pipe, so every later wait returns at once too.
int terminationWakeFd() { return g_pipe[0]; }
}  // namespace detail

}  // namespace platform
