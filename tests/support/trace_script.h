// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "panel/script_run.h"

namespace orvath::testing {

// The outcome of a headless run: exit status, trace lines and error text.
struct TraceResult {
    int status = 0;
    std::vector<std::string> lines;
    std::string errors;

    // The lines after the first "event ..." line that equals "event EVENT",
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

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Runs a script on the panel model alone, no toolkit: start-up on a client
// area of the given size in pixels, then the script, traced as the program
// traces it.
inline TraceResult RunScript(const std::string& script, int clientWidth = 1920,
                             int clientHeight = 1080) {
    std::ostringstream out;
    std::ostringstream err;
    TraceResult result;
    result.status =
        TracePanel("script", script, {clientWidth, clientHeight}, PanelSettings{}, out, err);
    result.lines = SplitLines(out.str());
    result.errors = err.str();
    return result;
}

}  // namespace orvath::testing
