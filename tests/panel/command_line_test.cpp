// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "model/animation_run.h"
#include "panel/command_line.h"
#include "panel/event_script.h"

namespace orvath {
namespace {

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
    // Both ends of the side's range.
    const auto largest = Parse({"--trace", "-", "--client", "16384x1"});
    ASSERT_EQ(largest.error, "");
    EXPECT_EQ(largest.commandLine.clientWidth, 16384);
    EXPECT_EQ(Parse({"--export", "a.png", "--size", "1x16384"}).commandLine.clientHeight, 16384);
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
    EXPECT_EQ(cl.settings.mode, DisplayMode::Continuous);
    EXPECT_EQ(cl.settings[Bar::Angle], 40);
    EXPECT_EQ(cl.settings[Bar::Index], 150);
    EXPECT_EQ(cl.settings[Bar::Waves], 39);
    EXPECT_EQ(cl.settings[Bar::Time], 0);
    EXPECT_TRUE(cl.autoplay && cl.quitAtEnd && cl.stats);

    const auto exporting = Parse({"--export", "fig.svg", "--size", "800x600", "--angle", "0"});
    ASSERT_EQ(exporting.error, "");
    EXPECT_EQ(exporting.commandLine.action, CommandLine::Action::Export);
    EXPECT_EQ(exporting.commandLine.exportFile, "fig.svg");
    EXPECT_EQ(exporting.commandLine.clientWidth, 800);
    EXPECT_EQ(exporting.commandLine.settings[Bar::Angle], 0);
    EXPECT_FALSE(exporting.commandLine.settings[Bar::Time].has_value());
}

TEST(CommandLine, TheViewGoesWithTheTraceTheExportAndTheWindow) {
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--trace", "-", "--view", "exact", "--reflection", "on"},
             {"--export", "a.svg", "--view", "exact", "--reflection", "on"},
             {"--view", "exact", "--reflection", "on"}}) {
        const auto result = Parse(args);
        ASSERT_EQ(result.error, "") << args.front();
        EXPECT_EQ(result.commandLine.settings.view, View::Exact);
        EXPECT_EQ(result.commandLine.settings.reflection, true);
        EXPECT_FALSE(result.commandLine.settings.MoveControls());
    }
    EXPECT_EQ(Parse({"--view", "classic"}).commandLine.settings.view, View::Classic);
}

// The animation's own defaults; its options given are read back from the
// GIF they make (export_animation_test.cpp).
TEST(CommandLine, SpeedThemeMediumAndAnimationOptions) {
    const CommandLine animation = Parse({"--export-animation", "a.gif"}).commandLine;
    EXPECT_EQ(animation.action, CommandLine::Action::ExportAnimation);
    EXPECT_EQ(std::tie(animation.clientWidth, animation.clientHeight, animation.fromTime,
                       animation.toTime, animation.framesPerSecond),
              std::make_tuple(960, 540, 0, 5000, 25));
    const auto window = Parse({"--speed", "1/50", "--theme", "projector", "--medium", "air-glass"});
    ASSERT_EQ(window.error, "");
    EXPECT_EQ(window.commandLine.speed, TimerSpeed::Fiftieth);
    EXPECT_EQ(window.commandLine.theme, Theme::Projector);
    EXPECT_EQ(window.commandLine.settings[Bar::Index], 150);
    const auto one = Parse({"--speed", "1"});  // 1 is 1x
    EXPECT_EQ(std::tie(one.error, one.commandLine.speed),
              std::make_tuple(std::string(), TimerSpeed::Full));
    EXPECT_EQ(Parse({"--export", "a.png", "--theme", "projector"}).error, "");
}

// The zoom goes with the window and the picture; its centre is a point of
// the picture in world units, checked against the picture's size.
TEST(CommandLine, ZoomAndCentre) {
    const auto picture = Parse({"--export", "a.png", "--zoom", "2.5", "--centre", "-120.5,10"});
    ASSERT_EQ(picture.error, "");
    EXPECT_EQ(picture.commandLine.zoom, (Zoom{2.5, -120.5, 10}));
    const auto window = Parse({"--zoom", "8"});
    ASSERT_EQ(window.error, "");
    EXPECT_EQ(window.commandLine.zoom.factor, 8);
    EXPECT_TRUE(std::isnan(window.commandLine.zoom.centreX));  // the middle, whatever the shape
    const std::string centre =
        "--centre needs X,Y in the picture's units: Y from -100 to 100, X "
        "from the left edge (-200 x width / height) to 0";
    const std::string zoom = "--zoom needs a number from 1 to 8";
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> bad = {
        {{"--zoom", "0.9"}, zoom},
        {{"--zoom", "8.01"}, zoom},
        {{"--zoom", "2x"}, zoom},
        {{"--zoom", "1e1"}, zoom},
        {{"--zoom"}, zoom},
        {{"--zoom", "2", "--centre", "1,0"}, centre},
        {{"--zoom", "2", "--centre", "-5,100.5"}, centre},
        {{"--zoom", "2", "--centre", "-5;0"}, centre},
        {{"--zoom", "2", "--centre", "-5,"}, centre},
        {{"--export", "a.png", "--size", "200x100", "--zoom", "2", "--centre", "-401,0"}, centre},
        {{"--centre", "-5,0"}, "--centre needs --zoom"},
        {{"--trace", "-", "--zoom", "2"}, "--zoom and --centre are for the window and --export"},
        {{"--export-animation", "a.gif", "--zoom", "2"},
         "--zoom and --centre are for the window and --export"},
    };
    for (const auto& [args, error] : bad) {
        EXPECT_EQ(Parse(args).error, error) << args.back();
    }
    EXPECT_EQ(Parse({"--export", "a.png", "--size", "200x100", "--zoom", "2", "--centre", "-400,0"})
                  .error,
              "");
}

// Mistakes across options (the end-to-end tests run more through the program).
TEST(CommandLine, NewOptionsSayWhatIsWrongOnOneLine) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> bad = {
        {{"--medium", "air-vacuum"},
         "--medium needs air-water, air-glass, air-diamond, water-glass, water-air, "
         "glass-water or glass-air"},
        {{"--index", "150", "--medium", "air-water"}, "--medium and --index cannot be combined"},
        {{"--trace", "-", "--theme", "projector"}, "--theme is not used with --trace"},
        {{"--export", "a.png", "--speed", "1/2"},
         "--speed is for the window and --export-animation"},
        {{"--export-animation", "a.gif", "--export", "b.png"},
         "--export-animation and --export cannot be combined"},
        {{"--export-animation", "a.gif", "--fps", "51"}, "--fps needs a whole number from 1 to 50"},
        {{"--export-animation", "a.gif", "--from", "500", "--to", "500"},
         "--from must be less than --to"},
        {{"--export-animation", "a.gif", "--time", "10"},
         "--export-animation runs the time bar itself: give --from and --to, not --time"},
        {{"--export", "a.png", "--from", "10"},
         "--from, --to and --fps are used only with --export-animation"},
    };
    for (const auto& [args, error] : bad) {
        EXPECT_EQ(Parse(args).error, error) << args.front();
    }
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
        {"--view", "sideways"},
        {"--view"},
        {"--reflection", "yes"},
        {"--trace", "-", "--mode", "continuous", "--view", "exact"},
    };
    for (const auto& args : bad) {
        EXPECT_NE(Parse(args).error, "") << args.back();
    }
}

// The options and the scripts read numbers one way: an optional sign, once,
// and digits.
TEST(CommandLine, NumbersAreOneSignAndDigitsAsInScripts) {
    const std::pair<std::string_view, std::optional<int>> words[] = {
        {"0", 0},    {"-0", 0},   {"+0", 0},   {"+007", 7},        {"4999", 4999}, {"+-0", {}},
        {"-+0", {}}, {"--0", {}}, {"++1", {}}, {"+", {}},          {"-", {}},      {"1e2", {}},
        {"0x1", {}}, {"1,5", {}}, {"-1", -1},  {"99999999999", {}}};
    for (const auto& [word, value] : words) {
        const bool inRange = value && *value >= 0 && *value <= 5000;
        const auto parsed = Parse({"--export-animation", "a.gif", "--from", word});
        EXPECT_EQ(parsed.error.empty(), inRange) << word << ": " << parsed.error;
        EXPECT_EQ(parsed.commandLine.fromTime, inRange ? *value : 0) << word;
        const ScriptLine line = ParseScriptLine("time " + std::string(word));
        EXPECT_EQ(line.status == ScriptLine::Status::Event, inRange) << word << ": " << line.error;
    }
    EXPECT_EQ(Parse({"--from", ""}).error, "--from needs a whole number from 0 to 5000");
}

// An animation up to the limits is taken, a frame of any shape; one beyond
// them is refused with the limits.
TEST(CommandLine, AnimationsWithinTheirLimitsOfFramesAndPixels) {
    const std::string limits = "an animation has " + AnimationLimits();
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"--size", "3840x2160"}, ""},
        {{"--size", "2160x3840"}, ""},
        {{"--size", "3841x2160"}, "frames of 3841x2160 pixels are too large: " + limits},
        {{"--size", "16384x16384"}, "frames of 16384x16384 pixels are too large: " + limits},
        {{"--speed", "1/50", "--fps", "40"}, ""},  // 10000 frames
        {{"--speed", "1/50", "--fps", "41"}, "10250 frames are too many: " + limits},
    };
    for (const auto& [options, error] : cases) {
        std::vector<std::string_view> args{"--export-animation", "a.gif"};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(Parse(args).error, error) << options.front() << " " << options[1];
    }
}

// Each option at most once, whatever it sets.
TEST(CommandLine, AnOptionGivenTwiceIsRefused) {
    const std::pair<std::vector<std::string_view>, std::string_view> twice[] = {
        {{"--angle", "10", "--angle", "20"}, "--angle"},
        {{"--view", "exact", "--view", "classic"}, "--view"},
        {{"--export", "a.png", "--size", "10x10", "--size", "20x20"}, "--size"},
        {{"--theme", "classic", "--theme", "projector"}, "--theme"},
        {{"--medium", "air-water", "--mode", "continuous", "--medium", "air-glass"}, "--medium"},
        {{"--export", "a.png", "--export", "b.png"}, "--export"},
        {{"--autoplay", "--autoplay"}, "--autoplay"},
    };
    for (const auto& [args, option] : twice) {
        EXPECT_EQ(Parse(args).error, std::string(option) + " is given twice") << option;
    }
}

TEST(CommandLine, AnUnknownArgumentIsShownOnOneShortLine) {
    EXPECT_EQ(Parse({"--angle\n40"}).error, "unknown option '--angle?40' (see --help)");
    const std::string huge(1 << 20, '-');
    EXPECT_LT(Parse({huge}).error.size(), 80u);
}

}  // namespace
}  // namespace orvath
