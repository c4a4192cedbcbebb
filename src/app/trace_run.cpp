// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/trace_run.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "desktop/orvath_form.h"
#include "desktop/startup.h"
#include "model/message_text.h"
#include "panel/control_trace.h"
#include "panel/event_script.h"
#include "surface/trace_surface.h"

namespace orvath {
namespace {

// The whole script, or nullopt with a message in `error`.
std::optional<std::string> ReadScript(const std::string& path, std::string& error) {
    std::ostringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
        if (std::cin.bad()) {
            error = "cannot read standard input";
            return std::nullopt;
        }
        return text.str();
    }
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "is a directory";
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return std::nullopt;
    }
    text << file.rdbuf();
    if (file.bad()) {
        error = "cannot read";
        return std::nullopt;
    }
    return text.str();
}

void Apply(OrvathForm& form, const ScriptEvent& event) {
    switch (event.kind) {
        case EventKind::Angle:
            form.MoveBar(ControlId::prosptosis, event.value);
            break;
        case EventKind::Index:
            form.MoveBar(ControlId::N_REFR, event.value);
            break;
        case EventKind::Waves:
            form.MoveBar(ControlId::arithkyMATON, event.value);
            break;
        case EventKind::Time:
            form.MoveBar(ControlId::xronos, event.value);
            break;
        case EventKind::Continuous:
            form.Click(ControlId::Option1);
            break;
        case EventKind::Wavelets:
            form.Click(ControlId::Option2);
            break;
        case EventKind::Timer:
            form.Click(ControlId::Command1);
            break;
        case EventKind::Stop:
            form.Click(ControlId::Command2);
            break;
        case EventKind::Tick:
            form.DeliverTicks(event.value);
            break;
    }
}

}  // namespace

int RunTrace(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
    const std::string& name = commandLine.script;
    std::string error;
    const auto script = ReadScript(name, error);
    if (!script) {
        err << "orvath: " << PrintableName(name) << ":0: " << error << '\n';
        return 2;
    }
    return RunTraceScript(name, *script, QSize(commandLine.clientWidth, commandLine.clientHeight),
                          out, err);
}

int RunTraceScript(std::string_view name, std::string_view script, QSize client, std::ostream& out,
                   std::ostream& err) {
    TraceSurface surface(out);
    ControlTrace controls(out);
    OrvathForm form({.surface = &surface, .observer = &controls, .realTimeTimer = false});
    Main(form, {QRect(QPoint(0, 0), client)});

    int number = 0;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        ++number;
        const ScriptLine parsed = ParseScriptLine(line);
        if (parsed.status == ScriptLine::Status::Error) {
            out.flush();
            err << "orvath: " << PrintableName(name) << ':' << number << ": " << parsed.error
                << '\n';
            return 2;
        }
        if (parsed.status == ScriptLine::Status::Event) {
            out << "event " << parsed.event.words << '\n';
            Apply(form, parsed.event);
        }
    }
    out.flush();
    return 0;
}

}  // namespace orvath
