// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "surface/trace_surface.h"

namespace orvath::testing {

// Runs draw on a trace surface and returns the trace, one line per element.
inline std::vector<std::string> TraceLines(const std::function<void(Surface&)>& draw) {
    std::ostringstream out;
    TraceSurface surface(out);
    draw(surface);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines of a trace that start with the given word ("circle", "line", ...).
inline std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines,
                                                  const std::string& word) {
    std::vector<std::string> found;
    for (const auto& line : lines) {
        if (line.rfind(word + " ", 0) == 0 || line == word) {
            found.push_back(line);
        }
    }
    return found;
}

}  // namespace orvath::testing
