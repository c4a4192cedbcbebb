// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <algorithm>
#include <charconv>

#include "model/bar_settings.h"
#include "model/message_text.h"
#include "panel/event_script.h"

namespace orvath {
namespace {

// The largest client side accepted, in pixels.
constexpr int kMaxClientSide = 16384;

bool ParseSide(std::string_view text, int& side) {
    if (text.empty() || text.size() > 5) {
        return false;
    }
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), side);
    return status == std::errc() && end == text.data() + text.size() && side >= 1 &&
           side <= kMaxClientSide;
}

bool ParseSize(std::string_view text, int& width, int& height) {
    const auto x = text.find('x');
    return x != std::string_view::npos && ParseSide(text.substr(0, x), width) &&
           ParseSide(text.substr(x + 1), height);
}

// A whole number (optional sign, decimal digits) within the bar's range.
std::optional<int> ParseBarValue(std::string_view text, const BarSetting& setting) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() ||
        value < setting.min || value > setting.max) {
        return std::nullopt;
    }
    return value;
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
// characters.
std::string Wrapped(std::string_view prefix, const std::vector<std::string>& items) {
    constexpr std::size_t kWidth = 76;
    std::string text(prefix);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : ".");
        if (i > 0 || !text.empty()) {
            text += text.size() - lineStart + 1 + item.size() > kWidth ? "\n" : " ";
            if (text.back() == '\n') {
                lineStart = text.size();
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
    for (const char* word :
         {"continuous", "wavelets", "timer", "stop", "view exact|classic", "reflection on|off"}) {
        scriptLines.emplace_back(word);
    }
    scriptLines.push_back("tick [K] (1-" + std::to_string(kMaxTicksPerLine) + ")");
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
           "  --mode wavelets|continuous   click that option button\n" +
           barLines +
           "\n"
           "Window:\n"
           "  --autoplay       start the timer at start-up, as if TIMER were clicked\n"
           "  --quit-at-end    quit when the timer stops at the end of the time\n"
           "  --stats          on quitting, print ticks, ticks per second, frames,\n"
           "                   frames per second and paint times to standard error\n"
           "\n"
           "Without a display:\n"
           "  --export FILE    write the picture to FILE (.png or .svg) and exit\n"
           "  --size WxH       with --export: the picture size in pixels\n"
           "                   (default 1920x1080)\n"
           "  --trace SCRIPT   run the event script SCRIPT ('-' for standard input)\n"
           "                   and print every drawing operation, caption and value\n"
           "                   that the program produces\n"
           "  --client WxH     with --trace: the client area in pixels at start-up\n"
           "                   (default 1920x1080); sizes are 1 to " +
           std::to_string(kMaxClientSide) +
           " a side\n"
           "\n"
           "  -h, --help       show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n" +
           Wrapped("Script lines:", scriptLines) +
           "Blank lines and lines starting with # are skipped.\n"
           "\n"
           "Exit status: 0 on success, 2 for a bad option, script or file.\n";
}

CommandLineResult ParseCommandLine(const std::vector<std::string_view>& args) {
    CommandLineResult result;
    CommandLine& cl = result.commandLine;
    bool clientGiven = false;
    bool sizeGiven = false;
    const auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const std::string_view* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
        const auto takeValue = [&] { ++i; };
        if (arg == "--help" || arg == "-h") {
            cl.action = CommandLine::Action::Help;
            return result;
        }
        if (arg == "--version") {
            cl.action = CommandLine::Action::Version;
            return result;
        }
        if (const auto bar = BarOption(arg)) {
            const BarSetting& setting = SettingOf(*bar);
            const auto parsed = value ? ParseBarValue(*value, setting) : std::nullopt;
            if (!parsed) {
                return fail(std::string(arg) + " needs a whole number from " +
                            std::to_string(setting.min) + " to " + std::to_string(setting.max));
            }
            cl.settings[*bar] = *parsed;
            takeValue();
        } else if (arg == "--mode") {
            if (value && *value == "wavelets") {
                cl.settings.mode = DisplayMode::Wavelets;
            } else if (value && *value == "continuous") {
                cl.settings.mode = DisplayMode::Continuous;
            } else {
                return fail("--mode needs 'wavelets' or 'continuous'");
            }
            takeValue();
        } else if (arg == "--view") {
            if (value && *value == "exact") {
                cl.settings.view = View::Exact;
            } else if (value && *value == "classic") {
                cl.settings.view = View::Classic;
            } else {
                return fail("--view needs 'exact' or 'classic'");
            }
            takeValue();
        } else if (arg == "--reflection") {
            if (value && (*value == "on" || *value == "off")) {
                cl.settings.reflection = *value == "on";
            } else {
                return fail("--reflection needs 'on' or 'off'");
            }
            takeValue();
        } else if (arg == "--trace" || arg == "--export") {
            if (value == nullptr || value->empty()) {
                return fail(std::string(arg) + " needs a file name" +
                            (arg == "--trace" ? " ('-' for standard input)" : ""));
            }
            if (cl.action != CommandLine::Action::Window) {
                return fail("--trace and --export cannot be combined");
            }
            const bool trace = arg == "--trace";
            cl.action = trace ? CommandLine::Action::Trace : CommandLine::Action::Export;
            (trace ? cl.script : cl.exportFile) = std::string(*value);
            takeValue();
        } else if (arg == "--client" || arg == "--size") {
            if (value == nullptr || !ParseSize(*value, cl.clientWidth, cl.clientHeight)) {
                return fail(std::string(arg) + " needs a size WxH, each side 1 to " +
                            std::to_string(kMaxClientSide) + " pixels");
            }
            (arg == "--client" ? clientGiven : sizeGiven) = true;
            takeValue();
        } else if (arg == "--autoplay") {
            cl.autoplay = true;
        } else if (arg == "--quit-at-end") {
            cl.quitAtEnd = true;
        } else if (arg == "--stats") {
            cl.stats = true;
        } else {
            return fail("unknown option " + QuotedWord(arg) + " (see --help)");
        }
    }
    const bool trace = cl.action == CommandLine::Action::Trace;
    const bool exporting = cl.action == CommandLine::Action::Export;
    if (clientGiven && !trace) {
        return fail("--client is used only with --trace");
    }
    if (sizeGiven && !exporting) {
        return fail("--size is used only with --export");
    }
    if (trace && cl.settings.MoveControls()) {
        return fail("--trace takes its settings from the script, not from options");
    }
    if ((trace || exporting) && (cl.autoplay || cl.quitAtEnd || cl.stats)) {
        return fail("--autoplay, --quit-at-end and --stats are for the window");
    }
    return result;
}

}  // namespace orvath
