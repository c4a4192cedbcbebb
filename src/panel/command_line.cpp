// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/command_line.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

#include "model/animation_run.h"
#include "model/bar_settings.h"
#include "model/media.h"
#include "model/message_text.h"
#include "model/mystery.h"
#include "model/setting_words.h"
#include "model/world_frame.h"
#include "panel/event_script.h"
#include "text/languages.h"

namespace orvath {
namespace {

// An animation's default size, and its frame rates: GIF counts delays in
// hundredths of a second, and viewers show 2 as the shortest.
constexpr int kMaxFramesPerSecond = 50;

// A whole number (optional sign, decimal digits) from min to max.
std::optional<int> ParseWhole(std::string_view text, int min, int max) {
    const auto value = ParseWholeNumber(text);
    if (!value || *value < min || *value > max) {
        return std::nullopt;
    }
    return value;
}

std::string ZoomError() {
    return "--zoom needs a number from " + std::to_string(static_cast<int>(kMinZoom)) + " to " +
           std::to_string(static_cast<int>(kMaxZoom));
}

std::string CentreError() {
    return "--centre needs X,Y in the picture's units: Y from -100 to 100, X from the left "
           "edge (-200 x width / height) to 0";
}

std::string WholeNumberError(std::string_view option, int min, int max) {
    return std::string(option) + " needs a whole number from " + std::to_string(min) + " to " +
           std::to_string(max);
}

// "a, b, c or d".
std::string Alternatives(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    }
    return text;
}

std::vector<std::string> SpeedNames() {
    std::vector<std::string> names;
    for (const TimerSpeed speed : kTimerSpeeds) {
        names.emplace_back(SpeedName(speed));
    }
    return names;
}

std::vector<std::string> LanguageWords() {
    std::vector<std::string> words(ShippedLanguages().begin(), ShippedLanguages().end());
    words.emplace_back(kOriginalLanguage);
    return words;
}

std::vector<std::string> MediaWords() {
    std::vector<std::string> words;
    for (const MediaPair& pair : MediaPresets()) {
        words.push_back(pair.Word());
    }
    return words;
}

std::string Hundredths(int value) {
    const std::string digits = std::to_string(value + 1000);  // value < 1000
    return std::to_string(value / 100) + "." + digits.substr(digits.size() - 2);
}

// The index bar's value for --medium WORD, or the error.
std::optional<int> ParseMedium(const std::string_view* word, std::string& error) {
    const auto pair = word ? MediaPairNamed(*word) : std::nullopt;
    if (!pair) {
        error = "--medium needs " + Alternatives(MediaWords());
        return std::nullopt;
    }
    if (!FitsIndexBar(*pair)) {
        const BarSetting& index = SettingOf(Bar::Index);
        error = "--medium " + pair->Word() + ": its index " + Hundredths(pair->indexTimes100) +
                " is outside the index bar's " + Hundredths(index.min) + " to " +
                Hundredths(index.max);
        return std::nullopt;
    }
    return pair->indexTimes100;
}

// The bar that "--WORD" sets, if any.
std::optional<Bar> BarOption(std::string_view arg) {
    for (const Bar bar : kBars) {
        if (arg.substr(0, 2) == "--" && arg.substr(2) == SettingOf(bar).word) {
            return bar;
        }
    }
    return std::nullopt;
}

// The prefix and the items joined by ", ", broken into lines of at most 76
// characters; lines after the first start with the indent.
std::string Wrapped(std::string_view prefix, const std::vector<std::string>& items,
                    std::string_view indent = "") {
    constexpr std::size_t kWidth = 76;
    std::string text(prefix);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : ".");
        if (i > 0 || !text.empty()) {
            if (text.size() - lineStart + 1 + item.size() > kWidth) {
                text += "\n";
                lineStart = text.size();
                text += indent;
            } else {
                text += " ";
            }
        }
        text += item;
    }
    return text + "\n";
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

}  // namespace

std::string UsageText() {
    std::string barLines;
    std::vector<std::string> scriptLines;
    for (const Bar bar : kBars) {
        const BarSetting& s = SettingOf(bar);
        const std::string range = std::to_string(s.min) + " to " + std::to_string(s.max);
        barLines += Padded("  --" + std::string(s.word) + " N", 19) + std::string(s.meaning) +
                    ", " + range + "\n";
        scriptLines.push_back(std::string(s.word) + " N (" + std::to_string(s.min) + "-" +
                              std::to_string(s.max) + ")");
    }
    for (const char* word : {"continuous", "wavelets", "timer", "stop", "view exact|classic",
                             "reflection on|off", "guess TEXT", "reveal"}) {
        scriptLines.emplace_back(word);
    }
    scriptLines.push_back("tick [K] (1-" + std::to_string(kMaxTicksPerLine) + ")");
    scriptLines.push_back("mystery N (1-" + std::to_string(kMysterySeedMax) + ")");
    return "Usage: orvath [OPTION]...\n"
           "Shows how a plane wave refracts at the boundary between two media, drawn\n"
           "with secondary wavelets. Without options it opens the window.\n"
           "\n"
           "Settings, applied after start-up as a user would (in this order):\n"
           "  --view classic|exact   draw the pictures as the classic construction\n"
           "                   (the default) or exactly as physics has it; with\n"
           "                   --trace too\n"
           "  --reflection on|off    in the exact view, show the partially reflected\n"
           "                   wave below the critical angle; with --trace too\n"
           "  --key on|off     in the exact view, show the key to the colours (the\n"
           "                   default) or hide it; with --trace too\n"
           "  --protractor on|off   show a protractor over the picture; the window\n"
           "                   and --export\n"
           "  --ruler on|off   show a ruler over the picture, in the picture's units\n"
           "                   (30 to a wavelength above the boundary); the window\n"
           "                   and --export\n"
           "  --mystery N      a mystery medium drawn from seed N (1 to " +
           std::to_string(kMysterySeedMax) +
           "): the\n"
           "                   index is hidden until it is found or revealed\n"
           "  --mode wavelets|continuous   click that option button\n" +
           barLines +
           Wrapped("  --medium PAIR    set the index bar to a pair of media's index:", MediaWords(),
                   "                   ") +
           "  --theme classic|projector    paint the picture as always (the default)\n"
           "                   or for a projector: wide lines, dark colours, large\n"
           "                   panel fonts\n"
           "  --zoom F         show the picture magnified F times, 1 to 8 (the window\n"
           "                   and --export); lines and texts keep their size\n"
           "  --centre X,Y     with --zoom: the point shown in the middle, in the\n"
           "                   picture's units (Y from -100 at the bottom to 100 at\n"
           "                   the top, X from -200 x width / height at the left edge\n"
           "                   to 0 at the right; the boundary is Y = 0); the view\n"
           "                   stays inside the picture\n"
           "\n"
           "Window:\n"
           "  --speed S        the timer's speed: " +
           Alternatives(SpeedNames()) +
           "\n"
           "                   (1x, one step a millisecond, is the default); also for\n"
           "                   --export-animation\n"
           "  --autoplay       start the timer once the first picture is shown, as if\n"
           "                   TIMER were clicked\n"
           "  --quit-at-end    quit when the timer stops at the end of the time\n"
           "  --stats          on quitting, print the speed, ticks, ticks per second\n"
           "                   against the pace, frames, frames per second and paint\n"
           "                   times to standard error\n"
           "\n"
           "Without a display:\n"
           "  --export FILE    write the picture to FILE (.png or .svg) and exit\n"
           "  --export-animation FILE   write an animated GIF of the time bar running\n"
           "                   to FILE (.gif) and exit; at most " +
           std::to_string(kMaxAnimationFrames) +
           " frames of\n"
           "                   at most " +
           std::to_string(kMaxAnimationFrameWidth) + "x" +
           std::to_string(kMaxAnimationFrameHeight) + " = " +
           std::to_string(kMaxAnimationFramePixels) +
           " pixels\n"
           "  --from N         with --export-animation: the time bar's first value\n"
           "                   (default 0)\n"
           "  --to N           its last value (default 5000)\n"
           "  --fps N          frames a second, 1 to " +
           std::to_string(kMaxFramesPerSecond) +
           " (default 25)\n"
           "  --size WxH       with --export: the picture size in pixels (default\n"
           "                   1920x1080); with --export-animation: the frame size\n"
           "                   (default " +
           std::to_string(kAnimationWidth) + "x" + std::to_string(kAnimationHeight) +
           ")\n"
           "  --trace SCRIPT   run the event script SCRIPT ('-' for standard input)\n"
           "                   and print every drawing operation, caption and value\n"
           "                   that the program produces\n"
           "  --client WxH     with --trace: the client area in pixels at start-up\n"
           "                   (default 1920x1080); sizes are 1 to " +
           std::to_string(kMaxClientSide) +
           " a side\n"
           "\n"
           "  --lang CODE      the texts' language, whatever the locale (the window\n"
           "                   follows the locale; --trace and the exports use the\n"
           "                   original texts, en)\n" +
           Wrapped("                   CODE:", LanguageWords(), "                   ") +
           "  -h, --help       show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n" +
           Wrapped("Script lines:", scriptLines) +
           "Blank lines and lines starting with # are skipped.\n"
           "\n"
           "Exit status: 0 on success, 2 for a bad option, script or file.\n";
}

namespace {

// Which options were given, for the checks across options.
struct Given {
    std::string_view action;  // --trace, --export or --export-animation
    bool client = false;
    bool size = false;
    bool index = false;
    bool instruments = false;
    bool medium = false;
    bool speed = false;
    bool theme = false;
    bool timing = false;  // --from, --to or --fps
    bool zoom = false;
};

// Reads one option and, when it takes one, its value; says whether it took
// the value. Returns the error, or an empty string.
std::string ReadOption(std::string_view arg, const std::string_view* value, CommandLine& cl,
                       Given& given, bool& tookValue) {
    tookValue = value != nullptr;
    if (const auto bar = BarOption(arg)) {
        const BarSetting& setting = SettingOf(*bar);
        const auto parsed = value ? ParseWhole(*value, setting.min, setting.max) : std::nullopt;
        if (!parsed) {
            return WholeNumberError(arg, setting.min, setting.max);
        }
        cl.settings[*bar] = *parsed;
        given.index = given.index || *bar == Bar::Index;
    } else if (arg == "--lang") {
        const auto code = value ? MatchLanguage(*value) : std::nullopt;
        if (!code) {
            return "--lang: " + UnknownLanguageError(value ? QuotedWord(*value) : "''");
        }
        cl.language = *code;
    } else if (arg == "--mode") {
        cl.settings.mode = value ? ModeNamed(*value) : std::nullopt;
        if (!cl.settings.mode) {
            return "--mode needs 'wavelets' or 'continuous'";
        }
    } else if (arg == "--view") {
        cl.settings.view = value ? ViewNamed(*value) : std::nullopt;
        if (!cl.settings.view) {
            return ViewOptionError(arg);
        }
    } else if (arg == "--protractor" || arg == "--ruler") {
        const auto shown = value ? SwitchNamed(*value) : std::nullopt;
        if (!shown) {
            return SwitchOptionError(arg);
        }
        (arg == "--ruler" ? cl.ruler : cl.protractor) = *shown;
        given.instruments = true;
    } else if (arg == "--mystery") {
        const auto seed =
            value ? ParseWhole(*value, kMysterySeedMin, kMysterySeedMax) : std::nullopt;
        if (!seed) {
            return WholeNumberError(arg, kMysterySeedMin, kMysterySeedMax);
        }
        cl.mysterySeed = *seed;
    } else if (arg == "--reflection" || arg == "--key") {
        auto& setting = arg == "--key" ? cl.settings.key : cl.settings.reflection;
        setting = value ? SwitchNamed(*value) : std::nullopt;
        if (!setting) {
            return SwitchOptionError(arg);
        }
    } else if (arg == "--medium") {
        std::string error;
        const auto index = ParseMedium(value, error);
        if (!index) {
            return error;
        }
        cl.settings[Bar::Index] = *index;
        given.medium = true;
    } else if (arg == "--speed") {
        const auto speed = value ? SpeedNamed(*value) : std::nullopt;
        if (!speed) {
            return "--speed needs " + Alternatives(SpeedNames());
        }
        cl.speed = *speed;
        given.speed = true;
    } else if (arg == "--theme") {
        const auto theme = value ? ThemeNamed(*value) : std::nullopt;
        if (!theme) {
            return "--theme needs 'classic' or 'projector'";
        }
        cl.theme = *theme;
        given.theme = true;
    } else if (arg == "--trace" || arg == "--export" || arg == "--export-animation") {
        if (value == nullptr || value->empty()) {
            return std::string(arg) + " needs a file name" +
                   (arg == "--trace" ? " ('-' for standard input)" : "");
        }
        if (!given.action.empty()) {
            return std::string(given.action) + " and " + std::string(arg) + " cannot be combined";
        }
        given.action = arg;
        cl.action = arg == "--trace"    ? CommandLine::Action::Trace
                    : arg == "--export" ? CommandLine::Action::Export
                                        : CommandLine::Action::ExportAnimation;
        (arg == "--trace" ? cl.script : cl.exportFile) = std::string(*value);
    } else if (arg == "--zoom") {
        const auto factor = value ? ParseDecimal(*value) : std::nullopt;
        if (!factor || *factor < kMinZoom || *factor > kMaxZoom) {
            return ZoomError();
        }
        cl.zoom.factor = *factor;
        given.zoom = true;
    } else if (arg == "--centre") {
        const std::size_t comma = value ? value->find(',') : std::string_view::npos;
        const auto x =
            comma != std::string_view::npos ? ParseDecimal(value->substr(0, comma)) : std::nullopt;
        const auto y =
            comma != std::string_view::npos ? ParseDecimal(value->substr(comma + 1)) : std::nullopt;
        if (!x || !y || *x > kWorldRight || std::abs(*y) > kWorldTop) {
            return CentreError();
        }
        cl.zoom.centreX = *x;
        cl.zoom.centreY = *y;
        cl.centreGiven = true;
    } else if (arg == "--client" || arg == "--size") {
        const auto size = value ? ParsePixelSize(*value) : std::nullopt;
        if (!size) {
            return SizeOptionError(arg);
        }
        cl.clientWidth = size->width;
        cl.clientHeight = size->height;
        (arg == "--client" ? given.client : given.size) = true;
    } else if (arg == "--from" || arg == "--to" || arg == "--fps") {
        const bool fps = arg == "--fps";
        const int min = fps ? 1 : SettingOf(Bar::Time).min;
        const int max = fps ? kMaxFramesPerSecond : SettingOf(Bar::Time).max;
        const auto parsed = value ? ParseWhole(*value, min, max) : std::nullopt;
        if (!parsed) {
            return WholeNumberError(arg, min, max);
        }
        (fps ? cl.framesPerSecond : arg == "--from" ? cl.fromTime : cl.toTime) = *parsed;
        given.timing = true;
    } else {
        tookValue = false;
        if (arg == "--autoplay") {
            cl.autoplay = true;
        } else if (arg == "--quit-at-end") {
            cl.quitAtEnd = true;
        } else if (arg == "--stats") {
            cl.stats = true;
        } else {
            return "unknown option " + QuotedWord(arg) + " (see --help)";
        }
    }
    return {};
}

// The checks across options; returns the error, or an empty string.
std::string CheckCombination(CommandLine& cl, const Given& given) {
    using Action = CommandLine::Action;
    const bool trace = cl.action == Action::Trace;
    const bool picture = cl.action == Action::Export;
    const bool animation = cl.action == Action::ExportAnimation;
    if (given.client && !trace) {
        return "--client is used only with --trace";
    }
    if (given.size && !picture && !animation) {
        return "--size is used only with --export and --export-animation";
    }
    if (given.medium && given.index) {
        return "--medium and --index cannot be combined";
    }
    if (trace && cl.settings.MoveControls()) {
        return "--trace takes its settings from the script, not from options";
    }
    if (trace && given.theme) {
        return "--theme is not used with --trace";
    }
    if ((trace || picture) && given.speed) {
        return "--speed is for the window and --export-animation";
    }
    if ((trace || picture || animation) && (cl.autoplay || cl.quitAtEnd || cl.stats)) {
        return "--autoplay, --quit-at-end and --stats are for the window";
    }
    if ((trace || animation) && (given.zoom || cl.centreGiven)) {
        return "--zoom and --centre are for the window and --export";
    }
    if ((trace || animation) && given.instruments) {
        return "--protractor and --ruler are for the window and --export";
    }
    if (trace && cl.mysterySeed) {
        return "--trace takes a mystery medium from the script ('mystery N')";
    }
    if (cl.mysterySeed && (given.index || given.medium)) {
        return "--mystery hides the index: it cannot be combined with --index or --medium";
    }
    if (cl.centreGiven && !given.zoom) {
        return "--centre needs --zoom";
    }
    if (cl.centreGiven && picture &&
        cl.zoom.centreX < -2 * kWorldTop * cl.clientWidth / cl.clientHeight) {
        return CentreError();
    }
    if (given.zoom && !cl.centreGiven) {
        // No point: the middle of the picture shown, whatever its shape.
        cl.zoom.centreX = std::numeric_limits<double>::quiet_NaN();
        cl.zoom.centreY = std::numeric_limits<double>::quiet_NaN();
    }
    if (given.timing && !animation) {
        return "--from, --to and --fps are used only with --export-animation";
    }
    if (animation && cl.settings[Bar::Time]) {
        return "--export-animation runs the time bar itself: give --from and --to, not --time";
    }
    if (animation && cl.fromTime >= cl.toTime) {
        return "--from must be less than --to";
    }
    if (animation && !given.size) {
        cl.clientWidth = kAnimationWidth;
        cl.clientHeight = kAnimationHeight;
    }
    if (animation) {
        return AnimationLimitError(
            cl.clientWidth, cl.clientHeight,
            AnimationFrameTimes(cl.fromTime, cl.toTime, cl.framesPerSecond, cl.speed).size());
    }
    return {};
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::string_view>& args) {
    CommandLineResult result;
    CommandLine& cl = result.commandLine;
    Given given;
    std::vector<std::string_view> options;  // those given so far
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (std::find(options.begin(), options.end(), arg) != options.end()) {
            result.error = std::string(arg) + " is given twice";
            return result;
        }
        options.push_back(arg);
        if (arg == "--help" || arg == "-h") {
            cl.action = CommandLine::Action::Help;
            return result;
        }
        if (arg == "--version") {
            cl.action = CommandLine::Action::Version;
            return result;
        }
        bool tookValue = false;
        result.error =
            ReadOption(arg, i + 1 < args.size() ? &args[i + 1] : nullptr, cl, given, tookValue);
        if (!result.error.empty()) {
            return result;
        }
        i += tookValue ? 1 : 0;
    }
    result.error = CheckCombination(cl, given);
    return result;
}

}  // namespace orvath
