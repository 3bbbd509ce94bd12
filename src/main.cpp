// The program's entry. The one application object is constructed during
// static initialisation (looking up the data directory and loading the
// settings); main hands it the command-line tail and the run follows.
#include <string>

#include "shell/test_screensaver.h"

CTestScreensaver theApp;

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

}  // namespace

int main(int argc, char** argv) {
    // Options of other hosts that start the saver (such as xscreensaver's
    // window and root options) are to be translated into the tail here.
    theApp.InitInstance(commandTail(argc, argv));
    return 0;
}
