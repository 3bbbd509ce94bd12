#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/hack_options.h"

using Args = std::vector<std::string>;

namespace {

std::string joined(const Args& args) {
    std::string out;
    for (const std::string& a : args) out += (out.empty() ? "" : " ") + a;
    return out;
}

struct AcceptedCase {
    Args args;
    std::function<bool(const HackOptions&)> holds;
};

}  // namespace

TEST(HackCommandLine, ClassicSwitchesStayClassic) {
    const Args cases[] = {
        {}, {"/s"}, {"/S"}, {"-s"}, {"/c"}, {"/c:1234"}, {"-C:55"}, {"/p", "123"}, {"-p", "123"},
        {"/a"}, {"-a", "77"}, {"/testpreview"}, {"word"},
    };
    for (const Args& args : cases) {
        const CommandLine line = parseCommandLine(args);
        EXPECT_EQ(line.kind, CommandLineKind::Classic) << joined(args) << ": " << line.error;
    }
}

TEST(HackCommandLine, ReadsEveryOptionWithOneDashOrTwo) {
    const AcceptedCase cases[] = {
        {{"-root"}, [](const HackOptions& o) { return o.root && !o.hasWindowId && !o.ownWindow; }},
        {{"--root"}, [](const HackOptions& o) { return o.root; }},
        {{"--window-id", "0x1A"}, [](const HackOptions& o) { return o.hasWindowId && o.windowId == 26; }},
        {{"-window-id", "42"}, [](const HackOptions& o) { return o.hasWindowId && o.windowId == 42; }},
        {{"--window-id=0X2a"}, [](const HackOptions& o) { return o.windowId == 42; }},
        {{"--window"}, [](const HackOptions& o) { return o.ownWindow && o.width == 640 && o.height == 400; }},
        {{"--geometry", "800x500"},
         [](const HackOptions& o) { return o.width == 800 && o.height == 500 && !o.hasPosition; }},
        {{"-geometry", "320X200+10+20"},
         [](const HackOptions& o) { return o.width == 320 && o.height == 200 && o.hasPosition && o.x == 10 && o.y == 20; }},
        {{"--fps"}, [](const HackOptions& o) { return o.showFps; }},
        {{"--delay", "20000"}, [](const HackOptions& o) { return o.delayMicros == 20000; }},
        {{"--visual", "GL", "-install", "--root"}, [](const HackOptions& o) { return o.root; }},
        {{"--wind", "0"}, [](const HackOptions& o) { return o.overrides.xSpeed == 0; }},
        {{"--wind=100"}, [](const HackOptions& o) { return o.overrides.xSpeed == 100; }},
        {{"--change"}, [](const HackOptions& o) { return o.overrides.changeSkyDuring == 1; }},
        {{"--change", "--no-change"}, [](const HackOptions& o) { return o.overrides.changeSkyDuring == 0; }},
        {{"--frequency", "1"}, [](const HackOptions& o) { return o.overrides.changeFrequency == 1; }},
        {{"-frequency", "9"}, [](const HackOptions& o) { return o.overrides.changeFrequency == 9; }},
        {{"--no-keep-aspect", "--keep-aspect"}, [](const HackOptions& o) { return o.overrides.KeepAspect_1_6 == 1; }},
        {{"--no-keep-aspect"}, [](const HackOptions& o) { return o.overrides.KeepAspect_1_6 == 0; }},
        {{"--root"}, [](const HackOptions& o) { return o.overrides.empty() && !o.showFps && o.delayMicros == 0; }},
    };
    for (const AcceptedCase& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        ASSERT_EQ(line.kind, CommandLineKind::Hack) << joined(c.args) << ": " << line.error;
        EXPECT_TRUE(c.holds(line.hack)) << joined(c.args);
    }
}

TEST(HackCommandLine, RefusesUnknownOptionsAndBadValuesNamingThem) {
    struct Case {
        Args args;
        const char* named;  // what the error must mention
    };
    const Case cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"-x"}, "-x"},
        {{"---root"}, "---root"},
        {{"--root", "/s"}, "/s"},
        {{"--root", "stray"}, "stray"},
        {{"--wind"}, "--wind"},
        {{"--wind", "101"}, "101"},
        {{"--wind", "-1"}, "-1"},
        {{"--wind", "5x"}, "5x"},
        {{"--wind", " 5"}, " 5"},
        {{"--wind", ""}, "--wind"},
        {{"--frequency", "0"}, "0"},
        {{"--frequency", "10"}, "10"},
        {{"--window-id", "0"}, "--window-id"},
        {{"--window-id", "0x"}, "0x"},
        {{"--window-id", "12ab"}, "12ab"},
        {{"--window-id", "0x100000000"}, "0x100000000"},
        {{"--window-id", "-5"}, "-5"},
        {{"--geometry", "800"}, "800"},
        {{"--geometry", "0x500"}, "0x500"},
        {{"--geometry", "800x500+10"}, "800x500+10"},
        {{"--delay", "-5"}, "-5"},
        {{"--delay", "10000001"}, "10000001"},
        {{"--fps=1"}, "--fps"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        EXPECT_EQ(line.kind, CommandLineKind::Invalid) << joined(c.args);
        EXPECT_NE(line.error.find(c.named), std::string::npos) << joined(c.args) << ": " << line.error;
    }
}

TEST(HackCommandLine, HelpAndTheUsageText) {
    for (const Args& args : {Args{"--help"}, Args{"-h"}, Args{"--root", "-help"}})
        EXPECT_EQ(parseCommandLine(args).kind, CommandLineKind::Help) << joined(args);
    EXPECT_EQ(parseCommandLine({"--help", "--bogus"}).kind, CommandLineKind::Invalid);
    const std::string usage = usageText("flurrydale");
    EXPECT_EQ(usage.rfind("usage: flurrydale ", 0), 0u);
    for (const char* option : {"--root", "--window-id", "--window ", "--geometry", "--fps", "--delay", "--visual",
                               "--install", "--wind ", "--change", "--no-change", "--frequency", "--keep-aspect",
                               "--no-keep-aspect", "/testpreview"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

TEST(HackTarget, WindowIdWinsOverRootWhichWinsOverOwnWindow) {
    struct Case {
        const char* name;
        Args args;
        const char* environment;
        bool given;
        uintptr_t window;
        bool error;
    };
    const uintptr_t root = 0x1e5;
    const Case cases[] = {
        {"window id before root", {"--window-id", "7", "--root"}, "0x2a", true, 7, false},
        {"window id after root", {"--root", "--window-id", "0x7"}, "0x2a", true, 7, false},
        {"root in hexadecimal", {"--root"}, "0x2a", true, 42, false},
        {"root in decimal", {"--root", "--window"}, "42", true, 42, false},
        {"root without the variable", {"--root"}, nullptr, true, root, false},
        {"root with it empty", {"--root"}, "", true, root, false},
        {"root with it unreadable", {"--root"}, "window", true, 0, true},
        {"own window", {"--window"}, "0x2a", false, 0, false},
        {"nothing named", {"--fps"}, "0x2a", false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandLine line = parseCommandLine(c.args);
        ASSERT_EQ(line.kind, CommandLineKind::Hack) << line.error;
        const HackTarget target = chooseHackTarget(line.hack, c.environment, root);
        EXPECT_EQ(target.given, c.given);
        EXPECT_EQ(!target.error.empty(), c.error);
        if (c.given && !c.error) {
            EXPECT_EQ(target.window, c.window);
        }
    }
}

TEST(HackTarget, DelayOnlyEverLengthensTheTimeBetweenFrames) {
    const std::pair<int32_t, int32_t> cases[] = {
        {0, 11}, {5000, 11}, {11000, 11}, {11001, 12}, {20000, 20}, {1000000, 1000}, {10000000, 10000},
    };
    for (const auto& c : cases) EXPECT_EQ(hackFrameGapMillis(c.first), c.second) << c.first;
}
