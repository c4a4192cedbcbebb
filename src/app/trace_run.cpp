// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/trace_run.h"

#include <ostream>

#include "desktop/orvath_window.h"
#include "panel/control_trace.h"
#include "panel/script_run.h"
#include "surface/trace_surface.h"

namespace orvath {

int RunTrace(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
    const std::string& name = commandLine.script;
    const auto script = ReadScript(name, err);
    if (!script) {
        return kRunBadInput;
    }
    return RunTraceScript(name, *script, QSize(commandLine.clientWidth, commandLine.clientHeight),
                          out, err, commandLine.settings);
}

int RunTraceScript(std::string_view name, std::string_view script, QSize client, std::ostream& out,
                   std::ostream& err, const PanelSettings& settings) {
    TraceSurface surface(out);
    ControlTrace controls(out);
    OrvathWindow window({.surface = &surface, .observer = &controls, .realTimeTimer = false});
    ApplyViewSettings(settings, window);
    window.StartUp({QRect(QPoint(0, 0), client)});
    return RunScript(name, script, window, out, err);
}

}  // namespace orvath
