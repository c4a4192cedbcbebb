// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/script_run.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "model/message_text.h"

namespace orvath {

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

}  // namespace orvath
