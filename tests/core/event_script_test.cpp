// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "panel/event_script.h"

namespace orvath {
namespace {

using Status = ScriptLine::Status;

TEST(EventScript, ReadsEveryEventWord) {
    struct Case {
        const char* line;
        EventKind kind;
        int value;
        const char* words;
    };
    const Case cases[] = {
        {"angle 30", EventKind::Angle, 30, "angle 30"},
        {"  index\t150\r", EventKind::Index, 150, "index 150"},
        {"waves +5", EventKind::Waves, 5, "waves +5"},
        {"time   -0", EventKind::Time, 0, "time -0"},
        {"continuous", EventKind::Continuous, 0, "continuous"},
        {"wavelets", EventKind::Wavelets, 0, "wavelets"},
        {"timer", EventKind::Timer, 0, "timer"},
        {"stop\r", EventKind::Stop, 0, "stop"},
        {"tick", EventKind::Tick, 1, "tick"},
        {"tick 100000", EventKind::Tick, 100000, "tick 100000"},
    };
    for (const Case& c : cases) {
        const ScriptLine parsed = ParseScriptLine(c.line);
        ASSERT_EQ(parsed.status, Status::Event) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.event.kind, c.kind) << c.line;
        EXPECT_EQ(parsed.event.value, c.value) << c.line;
        EXPECT_EQ(parsed.event.words, c.words) << c.line;
    }
}

TEST(EventScript, SkipsBlankLinesAndComments) {
    for (const char* line : {"", "   ", "\r", "# angle 30", "   #x", "#"}) {
        EXPECT_EQ(ParseScriptLine(line).status, Status::Skip) << line;
    }
}

TEST(EventScript, RejectsBadLinesWithAMessage) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"jump", "unknown event 'jump'"},
        {"Angle 30", "unknown event 'Angle'"},
        {"angle", "'angle' needs a value from 0 to 89"},
        {"angle 30 40", "unexpected '40' after 'angle'"},
        {"angle 30 # note", "unexpected '#' after 'angle'"},
        {"timer now", "unexpected 'now' after 'timer'"},
        {"angle 90", "'angle' value '90' is outside 0 to 89"},
        {"index 49", "'index' value '49' is outside 50 to 300"},
        {"waves 40", "'waves' value '40' is outside 5 to 39"},
        {"time 5001", "'time' value '5001' is outside 0 to 5000"},
        {"tick 0", "'tick' value '0' is outside 1 to 100000"},
        {"tick 100001", "'tick' value '100001' is outside 1 to 100000"},
        {"angle 3.5", "'3.5' is not a whole number"},
        {"angle -", "'-' is not a whole number"},
        {"angle 0x10", "'0x10' is not a whole number"},
        {"time 99999999999999999999999",
         "'time' value '99999999999999999999999' is outside 0 to 5000"},
    };
    for (const Case& c : cases) {
        const ScriptLine parsed = ParseScriptLine(c.line);
        EXPECT_EQ(parsed.status, Status::Error) << c.line;
        EXPECT_EQ(parsed.error, c.message) << c.line;
    }
}

TEST(EventScript, MessagesStayShortAndPrintable) {
    const std::string huge(1 << 20, 'a');
    const ScriptLine parsed = ParseScriptLine(huge);
    ASSERT_EQ(parsed.status, Status::Error);
    EXPECT_LT(parsed.error.size(), 80u);

    const ScriptLine binary = ParseScriptLine(std::string("angle\0\x01", 7));
    ASSERT_EQ(binary.status, Status::Error);
    EXPECT_EQ(binary.error,
              "unknown event 'angle?"
              "?'");
}

CommandLineResult Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, TraceWithClientSize) {
    const auto result = Parse({"--trace", "-", "--client", "1600x900"});
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.commandLine.action, CommandLine::Action::Trace);
    EXPECT_EQ(result.commandLine.script, "-");
    EXPECT_EQ(result.commandLine.clientWidth, 1600);
    EXPECT_EQ(result.commandLine.clientHeight, 900);

    const auto defaults = Parse({"--trace", "events.txt"});
    EXPECT_EQ(defaults.commandLine.clientWidth, 1920);
    EXPECT_EQ(defaults.commandLine.clientHeight, 1080);
    EXPECT_EQ(Parse({}).commandLine.action, CommandLine::Action::Window);
    EXPECT_EQ(Parse({"--help"}).commandLine.action, CommandLine::Action::Help);
}

TEST(CommandLine, BarSettingsAndWindowSwitches) {
    const auto result =
        Parse({"--mode", "continuous", "--angle", "40", "--index", "+150", "--waves", "39",
               "--time", "0", "--autoplay", "--quit-at-end", "--stats"});
    ASSERT_EQ(result.error, "");
    const CommandLine& cl = result.commandLine;
    EXPECT_EQ(cl.action, CommandLine::Action::Window);
    EXPECT_EQ(cl.bars.mode, DisplayMode::Continuous);
    EXPECT_EQ(cl.bars.angle, 40);
    EXPECT_EQ(cl.bars.index, 150);
    EXPECT_EQ(cl.bars.waves, 39);
    EXPECT_EQ(cl.bars.time, 0);
    EXPECT_TRUE(cl.autoplay && cl.quitAtEnd && cl.stats);

    const auto exporting = Parse({"--export", "fig.svg", "--size", "800x600", "--angle", "0"});
    ASSERT_EQ(exporting.error, "");
    EXPECT_EQ(exporting.commandLine.action, CommandLine::Action::Export);
    EXPECT_EQ(exporting.commandLine.exportFile, "fig.svg");
    EXPECT_EQ(exporting.commandLine.clientWidth, 800);
    EXPECT_EQ(exporting.commandLine.bars.angle, 0);
    EXPECT_FALSE(exporting.commandLine.bars.time.has_value());
}

TEST(CommandLine, RejectsBadArguments) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--frobnicate"},
        {"--trace"},
        {"--trace", "-", "--client"},
        {"--trace", "-", "--client", "0x0"},
        {"--trace", "-", "--client", "-5x7"},
        {"--trace", "-", "--client", "7x"},
        {"--trace", "-", "--client", "99999999x1"},
        {"--trace", "-", "--client", "16385x100"},
        {"--trace", "-", "--client", "800 x600"},
        {"--client", "800x600"},
        {"extra"},
        {"--angle", "90"},
        {"--angle", "4.5"},
        {"--angle"},
        {"--index", "49"},
        {"--waves", "x"},
        {"--time", "5001"},
        {"--mode", "both"},
        {"--export"},
        {"--export", "a.png", "--size", "0x10"},
        {"--size", "10x10"},
        {"--trace", "-", "--angle", "30"},
        {"--trace", "-", "--export", "a.png"},
        {"--export", "a.png", "--autoplay"},
    };
    for (const auto& args : bad) {
        EXPECT_NE(Parse(args).error, "") << args.back();
    }
}

TEST(CommandLine, AnUnknownArgumentIsShownOnOneShortLine) {
    EXPECT_EQ(Parse({"--angle\n40"}).error, "unknown option '--angle?40' (see --help)");
    const std::string huge(1 << 20, '-');
    EXPECT_LT(Parse({huge}).error.size(), 80u);
}

}  // namespace
}  // namespace orvath
