// The program's entry. The command line is read first: a classic screen
// saver command line goes, as its tail, to the one application object's
// InitInstance; xscreensaver's options make the run a hack. The application
// object is constructed right after (looking up the data directory and
// loading the settings), so that a hack's first message already goes to
// standard error and a mistyped option touches nothing.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/heap_policy.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "shell/hack_mode.h"
#include "shell/hack_options.h"
#include "shell/test_screensaver.h"

namespace {

// The command-line tail: the arguments after the program's own name, joined
// with single blanks, as the saver's switches expect to find them.
std::string commandTail(int argc, char** argv) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) tail += ' ';
        tail += argv[i];
    }
    return tail;
}

std::string programName(int argc, char** argv) {
    if (argc < 1 || !argv[0] || !*argv[0]) return "flurrydale";
    const std::string path = argv[0];
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    platform::returnLargeBlocksToTheSystem();
    // From the very start, so that SIGTERM during a start-up message box
    // still ends the run cleanly, with status 0.
    platform::installTerminationHandler();
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    const std::string program = programName(argc, argv);
    switch (line.kind) {
        case CommandLineKind::Help:
            std::fputs(usageText(program).c_str(), stdout);
            return 0;
        case CommandLineKind::Invalid:
            std::fprintf(stderr, "%s: %s\n%s", program.c_str(), line.error.c_str(), usageText(program).c_str());
            return 1;
        case CommandLineKind::Hack: {
            platform::setMessageBoxBackend(platform::MessageBoxBackend::Stderr);
            CTestScreensaver theApp;
            return RunHack(theApp, line.hack);
        }
        case CommandLineKind::Classic:
            break;
    }
    CTestScreensaver theApp;
    theApp.InitInstance(commandTail(argc, argv));
    return 0;
}
