// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/trace_command.h"

#include <ostream>

#include "panel/command_line.h"
#include "panel/script_run.h"
#include "text/languages.h"

namespace orvath::web {

int RunTraceCommand(const std::vector<std::string_view>& args, std::ostream& out,
                    std::ostream& err) {
    const auto [commandLine, error] = ParseCommandLine(args);
    if (!error.empty()) {
        err << "orvath: " << error << '\n';
        return kRunBadInput;
    }
    if (commandLine.action != CommandLine::Action::Trace) {
        err << "orvath: --trace SCRIPT is needed: the web build runs only the headless trace "
               "(--trace SCRIPT [--client WxH] [--view classic|exact] [--reflection on|off])\n";
        return kRunBadInput;
    }
    const auto script = ReadScript(commandLine.script, err);
    if (!script) {
        return kRunBadInput;
    }
    // The original texts, as the program's trace has them, unless --lang asks.
    if (!commandLine.language.empty()) {
        SetLanguage(commandLine.language);
    }
    return TracePanel(commandLine.script, *script,
                      {commandLine.clientWidth, commandLine.clientHeight}, commandLine.settings,
                      out, err);
}

}  // namespace orvath::web
