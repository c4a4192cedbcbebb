// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/trace_command.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "model/message_text.h"
#include "model/world_frame.h"
#include "panel/control_trace.h"
#include "panel/panel.h"
#include "panel/script_run.h"
#include "panel/settings.h"
#include "surface/trace_surface.h"

namespace orvath::web {
namespace {

// The largest client side, in pixels, as the desktop program takes it.
constexpr int kMaxClientSide = 16384;

std::optional<int> Side(std::string_view text) {
    int side = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), side);
    if (text.empty() || text.size() > 5 || status != std::errc() ||
        end != text.data() + text.size() || side < 1 || side > kMaxClientSide) {
        return std::nullopt;
    }
    return side;
}

struct TraceArgs {
    std::optional<std::string> script;
    int width = 1920;
    int height = 1080;
    PanelSettings settings;
    std::string error;
};

// The size WxH, or nothing.
std::optional<std::pair<int, int>> ClientSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto width = Side(text.substr(0, x));
    const auto height = Side(text.substr(x + 1));
    if (!width || !height) {
        return std::nullopt;
    }
    return std::pair(*width, *height);
}

// The arguments, with the desktop program's error message for a bad one.
// Every option takes a value; a missing one reads as empty.
TraceArgs ReadArgs(const std::vector<std::string_view>& args) {
    TraceArgs out;
    for (std::size_t i = 0; i < args.size() && out.error.empty(); i += 2) {
        const std::string_view arg = args[i];
        const std::string_view value = i + 1 < args.size() ? args[i + 1] : std::string_view();
        if (arg == "--trace") {
            if (value.empty()) {
                out.error = "--trace needs a file name ('-' for standard input)";
            } else {
                out.script = std::string(value);
            }
        } else if (arg == "--client") {
            if (const auto size = ClientSize(value)) {
                std::tie(out.width, out.height) = *size;
            } else {
                out.error = "--client needs a size WxH, each side 1 to " +
                            std::to_string(kMaxClientSide) + " pixels";
            }
        } else if (arg == "--view") {
            if (value == "exact" || value == "classic") {
                out.settings.view = value == "exact" ? View::Exact : View::Classic;
            } else {
                out.error = "--view needs 'exact' or 'classic'";
            }
        } else if (arg == "--reflection") {
            if (value == "on" || value == "off") {
                out.settings.reflection = value == "on";
            } else {
                out.error = "--reflection needs 'on' or 'off'";
            }
        } else {
            out.error = "unknown option " + QuotedWord(arg) +
                        " (the web build runs only --trace SCRIPT [--client WxH] [--view "
                        "classic|exact] [--reflection on|off])";
        }
    }
    if (out.error.empty() && !out.script) {
        out.error = "--trace SCRIPT is needed: the web build runs only the headless trace";
    }
    return out;
}

}  // namespace

int RunTraceCommand(const std::vector<std::string_view>& args, std::ostream& out,
                    std::ostream& err) {
    const TraceArgs trace = ReadArgs(args);
    if (!trace.error.empty()) {
        err << "orvath: " << trace.error << '\n';
        return kRunBadInput;
    }
    std::string error;
    const auto script = ReadScript(*trace.script, error);
    if (!script) {
        err << "orvath: " << PrintableName(*trace.script) << ":0: " << error << '\n';
        return kRunBadInput;
    }
    // What the desktop program does with the window's widgets, on the panel
    // alone: the trace is the same, byte for byte.
    TraceSurface surface(out);
    ControlTrace controls(out);
    Panel panel(surface);
    panel.AddObserver(controls);
    ApplyViewSettings(trace.settings, panel);
    panel.StartUp(static_cast<float>(trace.width * kTwipsPerPixel),
                  static_cast<float>(trace.height * kTwipsPerPixel));
    return RunScript(*trace.script, *script, panel, out, err);
}

}  // namespace orvath::web
