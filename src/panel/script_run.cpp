// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/script_run.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "model/message_text.h"
#include "model/world_frame.h"
#include "panel/control_trace.h"
#include "panel/panel.h"
#include "surface/trace_surface.h"

namespace orvath {

namespace {

std::optional<std::string> ReadText(const std::string& path, std::string& error) {
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

}  // namespace

std::optional<std::string> ReadScript(const std::string& path, std::ostream& err) {
    std::string error;
    auto text = ReadText(path, error);
    if (!text) {
        err << "orvath: " << PrintableName(path) << ":0: " << error << '\n';
    }
    return text;
}

void Perform(const ScriptEvent& event, UserActions& user) {
    switch (event.kind) {
        case ScriptEvent::Kind::MoveBar:
            user.MoveBar(event.bar, event.value);
            break;
        case ScriptEvent::Kind::Click:
            user.Click(event.button);
            break;
        case ScriptEvent::Kind::Tick:
            user.DeliverTicks(event.value);
            break;
        case ScriptEvent::Kind::View:
            user.SetView(static_cast<View>(event.value));
            break;
        case ScriptEvent::Kind::Reflection:
            user.SetReflection(event.value != 0);
            break;
        case ScriptEvent::Kind::Mystery:
            user.StartMystery(event.value);
            break;
        case ScriptEvent::Kind::Guess:
            user.Guess(event.typed);
            break;
        case ScriptEvent::Kind::Reveal:
            user.RevealMystery();
            break;
    }
}

int RunScript(std::string_view name, std::string_view script, UserActions& user, std::ostream& out,
              std::ostream& err) {
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
            return kRunBadInput;
        }
        if (parsed.status == ScriptLine::Status::Event) {
            out << "event " << parsed.event.words << '\n';
            Perform(parsed.event, user);
        }
    }
    out.flush();
    return kRunOk;
}

int TracePanel(std::string_view name, std::string_view script, PixelSize client,
               const PanelSettings& settings, std::ostream& out, std::ostream& err) {
    TraceSurface surface(out);
    ControlTrace controls(out);
    Panel panel(surface);
    panel.AddObserver(controls);
    ApplyViewSettings(settings, panel);
    panel.StartUp(static_cast<float>(client.width * kTwipsPerPixel),
                  static_cast<float>(client.height * kTwipsPerPixel));
    return RunScript(name, script, panel, out, err);
}

}  // namespace orvath
