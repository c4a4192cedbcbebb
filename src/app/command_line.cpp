// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <charconv>

#include "model/message_text.h"

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

// A whole number (optional sign, decimal digits) within [min, max].
std::optional<int> ParseBarValue(std::string_view text, int min, int max) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

struct BarOption {
    std::string_view name;
    std::optional<int> BarOptions::*field;
    int min;
    int max;
};

constexpr BarOption kBarOptions[] = {
    {"--angle", &BarOptions::angle, 0, 89},
    {"--index", &BarOptions::index, 50, 300},
    {"--waves", &BarOptions::waves, 5, 39},
    {"--time", &BarOptions::time, 0, 5000},
};

bool HasWindowSettings(const CommandLine& cl) {
    const BarOptions& b = cl.bars;
    return b.mode || b.angle || b.index || b.waves || b.time;
}

}  // namespace

std::string UsageText() {
    return "Usage: orvath [OPTION]...\n"
           "Shows how a plane wave refracts at the boundary between two media, drawn\n"
           "with secondary wavelets. Without options it opens the window.\n"
           "\n"
           "Settings, applied after start-up as a user would (in this order):\n"
           "  --mode wavelets|continuous   click that option button\n"
           "  --angle N        angle of incidence in degrees, 0 to 89\n"
           "  --index N        relative refractive index x 100, 50 to 300\n"
           "  --waves N        number of waves, 5 to 39\n"
           "  --time N         time bar, 0 to 5000 (hundredths)\n"
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
           "                   (default 1920x1080); sizes are 1 to 16384 a side\n"
           "\n"
           "  -h, --help       show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Script lines: angle N (0-89), index N (50-300), waves N (5-39),\n"
           "time N (0-5000), continuous, wavelets, timer, stop, tick [K] (1-100000).\n"
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
        const BarOption* bar = nullptr;
        for (const BarOption& option : kBarOptions) {
            if (option.name == arg) {
                bar = &option;
            }
        }
        if (bar != nullptr) {
            const auto parsed = value ? ParseBarValue(*value, bar->min, bar->max) : std::nullopt;
            if (!parsed) {
                return fail(std::string(arg) + " needs a whole number from " +
                            std::to_string(bar->min) + " to " + std::to_string(bar->max));
            }
            cl.bars.*(bar->field) = *parsed;
            takeValue();
        } else if (arg == "--mode") {
            if (value && *value == "wavelets") {
                cl.bars.mode = DisplayMode::Wavelets;
            } else if (value && *value == "continuous") {
                cl.bars.mode = DisplayMode::Continuous;
            } else {
                return fail("--mode needs 'wavelets' or 'continuous'");
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
    if (trace && HasWindowSettings(cl)) {
        return fail("--trace takes its settings from the script, not from options");
    }
    if ((trace || exporting) && (cl.autoplay || cl.quitAtEnd || cl.stats)) {
        return fail("--autoplay, --quit-at-end and --stats are for the window");
    }
    return result;
}

}  // namespace orvath
