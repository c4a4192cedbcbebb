// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/trace_command.h"

#include <optional>
#include <ostream>
#include <string>

#include "model/message_text.h"
#include "model/setting_words.h"
#include "panel/script_run.h"
#include "panel/settings.h"

namespace orvath::web {
namespace {

struct TraceArgs {
    std::optional<std::string> script;
    PixelSize client{1920, 1080};
    PanelSettings settings;
    std::string error;
};

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
            if (const auto size = ParsePixelSize(value)) {
                out.client = *size;
            } else {
                out.error = SizeOptionError(arg);
            }
        } else if (arg == "--view") {
            out.settings.view = ViewNamed(value);
            if (!out.settings.view) {
                out.error = ViewOptionError(arg);
            }
        } else if (arg == "--reflection") {
            out.settings.reflection = SwitchNamed(value);
            if (!out.settings.reflection) {
                out.error = ReflectionOptionError(arg);
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
    const auto script = ReadScript(*trace.script, err);
    if (!script) {
        return kRunBadInput;
    }
    return TracePanel(*trace.script, *script, trace.client, trace.settings, out, err);
}

}  // namespace orvath::web
