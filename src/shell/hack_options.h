// The command line of a run as an xscreensaver "hack": xscreensaver's own
// options (one dash or two) and the settings a run may set for itself.
// Telling it from the classic switches (/s, /c, /p, /a, /testpreview) is
// also done here, so that those keep working as they always have.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/run_overrides.h"

struct HackOptions {
    bool root = false;          // --root
    bool hasWindowId = false;   // --window-id
    uintptr_t windowId = 0;
    bool ownWindow = false;     // --window
    int width = 640;            // --geometry WxH[+X+Y]
    int height = 400;
    bool hasPosition = false;
    int x = 0;
    int y = 0;
    bool showFps = false;       // --fps
    int32_t delayMicros = 0;    // --delay; 0 when not given
    RunOverrides overrides;
};

enum class CommandLineKind {
    Classic,  // the screen saver switches: the joined tail goes to InitInstance
    Hack,     // xscreensaver options, in hack
    Help,     // --help: the usage text on standard output, status 0
    Invalid,  // the usage text on standard error, status 1; error says why
};

struct CommandLine {
    CommandLineKind kind = CommandLineKind::Classic;
    HackOptions hack;
    std::string error;
};

// Reads the arguments after the program's name. A command line is classic
// when every argument is a "/" switch, a one-letter "-s", "-c", "-p" or
// "-a" switch (with any ":" suffix) or a bare word such as a window
// number; any other argument makes it an xscreensaver command line, in
// which every argument must be one of ours.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The usage text, naming the program as it was started.
std::string usageText(const std::string& program);

// A window id as xscreensaver writes one: hexadecimal after "0x" (or "0X"),
// else decimal; nothing else, and never 0.
bool parseWindowId(const std::string& text, uintptr_t* out);

// Where a hack run draws: a window it is given, or one of its own.
struct HackTarget {
    bool given = false;
    uintptr_t window = 0;  // when given
    bool fromEnvironment = false;  // taken from XSCREENSAVER_WINDOW
    std::string error;     // the environment names no window it can read
};
// --window-id wins over --root (in any order), and --root over --window;
// --root draws into the window XSCREENSAVER_WINDOW names (environment may
// be null), else into rootWindow. Without any of them the run has its own
// window.
HackTarget chooseHackTarget(const HackOptions& options, const char* environment, uintptr_t rootWindow);

// The least time between frames, in milliseconds, that --delay asks for,
// never less than the saver's own pacing (frames more than 10 ms apart).
int32_t hackFrameGapMillis(int32_t delayMicros);
