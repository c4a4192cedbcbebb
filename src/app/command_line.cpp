#include "app/command_line.h"

#include <charconv>

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

}  // namespace

std::string UsageText() {
    return "Usage: orvath [OPTION]...\n"
           "Shows how a plane wave refracts at the boundary between two media, drawn\n"
           "with secondary wavelets. Without options it opens the window.\n"
           "\n"
           "  --trace SCRIPT   run the event script SCRIPT ('-' for standard input)\n"
           "                   without a display and print every drawing operation,\n"
           "                   caption and value that the program produces\n"
           "  --client WxH     with --trace: the client area in pixels at start-up\n"
           "                   (default 1920x1080, each side 1 to 16384)\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Script lines: angle N (0-89), index N (50-300), waves N (5-39),\n"
           "time N (0-5000), continuous, wavelets, timer, stop, tick [K] (1-100000).\n"
           "Blank lines and lines starting with # are skipped.\n"
           "\n"
           "Exit status: 0 on success, 2 for a bad option or script.\n";
}

CommandLineResult ParseCommandLine(const std::vector<std::string_view>& args) {
    CommandLineResult result;
    CommandLine& cl = result.commandLine;
    bool clientGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto value = [&]() -> const std::string_view* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        if (arg == "--help" || arg == "-h") {
            cl.action = CommandLine::Action::Help;
            return result;
        }
        if (arg == "--version") {
            cl.action = CommandLine::Action::Version;
            return result;
        }
        if (arg == "--trace") {
            const auto* script = value();
            if (script == nullptr) {
                result.error = "--trace needs a script file ('-' for standard input)";
                return result;
            }
            cl.action = CommandLine::Action::Trace;
            cl.script = std::string(*script);
        } else if (arg == "--client") {
            const auto* size = value();
            if (size == nullptr || !ParseSize(*size, cl.clientWidth, cl.clientHeight)) {
                result.error = "--client needs a size WxH, each side 1 to " +
                               std::to_string(kMaxClientSide) + " pixels";
                return result;
            }
            clientGiven = true;
        } else {
            result.error = "unknown option '" + std::string(arg) + "' (see --help)";
            return result;
        }
    }
    if (clientGiven && cl.action != CommandLine::Action::Trace) {
        result.error = "--client is used only with --trace";
    }
    return result;
}

}  // namespace orvath
