#include "shell/hack_options.h"

namespace {

enum class Opt {
    Root, Window, WindowId, Geometry, Fps, Delay, Visual, Install,
    Wind, Change, NoChange, Frequency, KeepAspect, NoKeepAspect, Help,
};

struct OptionDef {
    const char* name;
    Opt opt;
    bool takesValue;
};
const OptionDef kOptions[] = {
    {"root", Opt::Root, false},
    {"window", Opt::Window, false},
    {"window-id", Opt::WindowId, true},
    {"geometry", Opt::Geometry, true},
    {"fps", Opt::Fps, false},
    {"delay", Opt::Delay, true},
    {"visual", Opt::Visual, true},
    {"install", Opt::Install, false},
    {"wind", Opt::Wind, true},
    {"change", Opt::Change, false},
    {"no-change", Opt::NoChange, false},
    {"frequency", Opt::Frequency, true},
    {"keep-aspect", Opt::KeepAspect, false},
    {"no-keep-aspect", Opt::NoKeepAspect, false},
    {"help", Opt::Help, false},
    {"h", Opt::Help, false},
};

const int kMaxWindowSide = 16384;
const int32_t kMaxDelayMicros = 10 * 1000 * 1000;
// The saver's own pacing: frames more than 10 ms apart.
const int32_t kOwnFrameGap = 11;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole argument as a decimal number within [low, high]: digits only
// (a leading minus where low allows it), nothing before or after.
bool readNumber(const std::string& text, int64_t low, int64_t high, int64_t* out) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && text[0] == '-') {
        negative = true;
        i = 1;
    }
    if (i == text.size() || text.size() - i > 12) return false;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return false;
        value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value < low || value > high) return false;
    *out = value;
    return true;
}

// "WxH" or "WxH+X+Y".
bool readGeometry(const std::string& text, HackOptions* options) {
    std::size_t cross = text.find_first_of("xX");
    if (cross == std::string::npos) return false;
    std::size_t plus = text.find('+', cross);
    std::string w = text.substr(0, cross);
    std::string h = text.substr(cross + 1, plus == std::string::npos ? std::string::npos : plus - cross - 1);
    int64_t width = 0, height = 0;
    if (!readNumber(w, 1, kMaxWindowSide, &width) || !readNumber(h, 1, kMaxWindowSide, &height)) return false;
    int64_t x = 0, y = 0;
    if (plus != std::string::npos) {
        std::size_t second = text.find('+', plus + 1);
        if (second == std::string::npos) return false;
        if (!readNumber(text.substr(plus + 1, second - plus - 1), 0, kMaxWindowSide, &x) ||
            !readNumber(text.substr(second + 1), 0, kMaxWindowSide, &y))
            return false;
    }
    options->width = static_cast<int>(width);
    options->height = static_cast<int>(height);
    options->hasPosition = plus != std::string::npos;
    options->x = static_cast<int>(x);
    options->y = static_cast<int>(y);
    return true;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// An argument the classic command line has always taken.
bool isClassicSwitch(const std::string& arg) {
    if (arg.empty() || arg[0] != '-') return true;  // a "/" switch, a window number or a bare word
    if (arg.size() < 2) return false;
    const char letter = lower(arg[1]);
    const bool known = letter == 's' || letter == 'c' || letter == 'p' || letter == 'a';
    return known && (arg.size() == 2 || arg[2] == ':');
}

const OptionDef* findOption(const std::string& name) {
    for (const OptionDef& def : kOptions)
        if (name == def.name) return &def;
    return nullptr;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// Applies one option with its value; an empty result means it was fine.
std::string apply(const OptionDef& def, const std::string& arg, const std::string& value, HackOptions* o,
                  CommandLineKind* kind) {
    int64_t n = 0;
    switch (def.opt) {
        case Opt::Root: o->root = true; break;
        case Opt::Window: o->ownWindow = true; break;
        case Opt::WindowId:
            if (!parseWindowId(value, &o->windowId)) return arg + " needs a window id (0x... or decimal), not " + quoted(value);
            o->hasWindowId = true;
            break;
        case Opt::Geometry:
            if (!readGeometry(value, o)) return arg + " needs a size WIDTHxHEIGHT (optionally +X+Y), not " + quoted(value);
            break;
        case Opt::Fps: o->showFps = true; break;
        case Opt::Delay:
            if (!readNumber(value, 0, kMaxDelayMicros, &n)) return arg + " needs microseconds from 0 to 10000000, not " + quoted(value);
            o->delayMicros = static_cast<int32_t>(n);
            break;
        case Opt::Visual:
        case Opt::Install:
            break;  // the window we are given already has its visual and colour map
        case Opt::Wind:
            if (!readNumber(value, 0, 100, &n)) return arg + " needs a number from 0 to 100, not " + quoted(value);
            o->overrides.xSpeed = static_cast<int32_t>(n);
            break;
        case Opt::Change: o->overrides.changeSkyDuring = 1; break;
        case Opt::NoChange: o->overrides.changeSkyDuring = 0; break;
        case Opt::Frequency:
            if (!readNumber(value, 1, 9, &n)) return arg + " needs a number from 1 to 9, not " + quoted(value);
            o->overrides.changeFrequency = static_cast<int32_t>(n);
            break;
        case Opt::KeepAspect: o->overrides.KeepAspect_1_6 = 1; break;
        case Opt::NoKeepAspect: o->overrides.KeepAspect_1_6 = 0; break;
        case Opt::Help: *kind = CommandLineKind::Help; break;
    }
    return std::string();
}

}  // namespace

bool parseWindowId(const std::string& text, uintptr_t* out) {
    const bool hex = text.size() > 2 && text[0] == '0' && lower(text[1]) == 'x';
    const std::size_t start = hex ? 2 : 0;
    if (text.size() == start || text.size() - start > (hex ? 8u : 10u)) return false;
    uint64_t value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = lower(text[i]);
        int digit;
        if (isDigit(c))
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    }
    // X window ids are 32-bit; 0 is no window.
    if (value == 0 || value > 0xFFFFFFFFu) return false;
    *out = static_cast<uintptr_t>(value);
    return true;
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool classic = true;
    for (const std::string& arg : args)
        if (!isClassicSwitch(arg)) classic = false;
    if (classic) return result;

    result.kind = CommandLineKind::Hack;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::size_t dashes = 0;
        while (dashes < arg.size() && dashes < 2 && arg[dashes] == '-') ++dashes;
        std::string name = arg.substr(dashes);
        std::string value;
        const std::size_t equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const OptionDef* def = dashes > 0 ? findOption(name) : nullptr;
        if (!def) {
            result.kind = CommandLineKind::Invalid;
            result.error = dashes > 0 ? "unknown option " + quoted(arg) : "unexpected argument " + quoted(arg);
            return result;
        }
        const std::string shown = arg.substr(0, inlineValue ? dashes + name.size() : std::string::npos);
        if (def->takesValue && !inlineValue) {
            if (i + 1 >= args.size()) {
                result.kind = CommandLineKind::Invalid;
                result.error = shown + " needs a value";
                return result;
            }
            value = args[++i];
        } else if (!def->takesValue && inlineValue) {
            result.kind = CommandLineKind::Invalid;
            result.error = shown + " takes no value";
            return result;
        }
        CommandLineKind kind = result.kind;
        const std::string error = apply(*def, shown, value, &result.hack, &kind);
        if (!error.empty()) {
            result.kind = CommandLineKind::Invalid;
            result.error = error;
            return result;
        }
        if (kind == CommandLineKind::Help) result.kind = kind;
    }
    return result;
}

std::string usageText(const std::string& program) {
    return "usage: " + program + " [/s | /c | /p HANDLE | /a | /testpreview]\n"
           "       " + program + " [OPTION]...\n"
           "As an xscreensaver hack (options with one dash or two):\n"
           "  --root                   draw into the window XSCREENSAVER_WINDOW names,\n"
           "                           else onto the desktop\n"
           "  --window-id ID           draw into window ID (0x... or decimal); wins over --root\n"
           "  --window                 draw into a window of its own (the default)\n"
           "  --geometry WxH[+X+Y]     the size and place of that window (640x400)\n"
           "  --fps                    show the frame rate in a corner\n"
           "  --delay USECS            the least time between frames\n"
           "  --visual VISUAL, --install\n"
           "                           accepted and ignored\n"
           "Settings for this run only (nothing is saved):\n"
           "  --wind N                 the wind, 0 to 100 (50 is calm)\n"
           "  --change, --no-change    whether the picture changes\n"
           "  --frequency N            how long each scene is shown, 1 (often) to 9 (rare)\n"
           "  --keep-aspect, --no-keep-aspect\n"
           "                           whether the picture keeps a 1:1.6 ratio\n"
           "  --help                   show this text\n";
}

HackTarget chooseHackTarget(const HackOptions& options, const char* environment, uintptr_t rootWindow) {
    HackTarget target;
    if (options.hasWindowId) {
        target.given = true;
        target.window = options.windowId;
    } else if (options.root) {
        target.given = true;
        if (environment && *environment) {
            target.fromEnvironment = true;
            if (!parseWindowId(environment, &target.window))
                target.error = std::string("XSCREENSAVER_WINDOW names no window: ") + quoted(environment);
        } else {
            target.window = rootWindow;
        }
    }
    return target;
}

int32_t hackFrameGapMillis(int32_t delayMicros) {
    const int32_t asked = delayMicros / 1000 + (delayMicros % 1000 != 0 ? 1 : 0);
    return asked > kOwnFrameGap ? asked : kOwnFrameGap;
}
