// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/trace_run.h"

namespace orvath::testing {

// The outcome of a headless run: exit status, trace lines and error text.
struct TraceResult {
    int status = 0;
    std::vector<std::string> lines;
    std::string errors;

    // The lines after the first "event ..." line that starts with `prefix`,
    // up to the next event line.
    std::vector<std::string> AfterEvent(const std::string& event) const {
        std::vector<std::string> found;
        bool inside = false;
        for (const auto& line : lines) {
            if (line.rfind("event ", 0) == 0) {
                if (inside) {
                    break;
                }
                inside = line == "event " + event;
                continue;
            }
            if (inside) {
                found.push_back(line);
            }
        }
        return found;
    }
};

// Runs a script from a temporary file through the trace path.
inline TraceResult RunScript(const std::string& script, const std::string& client = "") {
    const auto path = std::filesystem::temp_directory_path() /
                      ("orvath-test-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << script;
    CommandLine commandLine;
    commandLine.action = CommandLine::Action::Trace;
    commandLine.script = path.string();
    if (!client.empty()) {
        std::sscanf(client.c_str(), "%dx%d", &commandLine.clientWidth, &commandLine.clientHeight);
    }
    std::ostringstream out;
    std::ostringstream err;
    TraceResult result;
    result.status = RunTrace(commandLine, out, err);
    std::filesystem::remove(path);
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
        result.lines.push_back(line);
    }
    result.errors = err.str();
    return result;
}

}  // namespace orvath::testing
