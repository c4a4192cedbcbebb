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

// One traced operation: its kind, its numbers in order and its colour.
struct Op {
    std::string kind;
    std::vector<double> numbers;
    std::string colour;
    double operator[](std::size_t i) const { return numbers.at(i); }
};

inline Op ParseOp(const std::string& line) {
    std::istringstream in(line);
    Op op;
    in >> op.kind;
    for (std::string word; in >> word;) {
        if (word == "fg" || word.find(',') != std::string::npos) {
            op.colour = word;
        } else {
            op.numbers.push_back(std::stof(word));  // %.9g reads back to the exact float
        }
    }
    return op;
}

inline std::vector<Op> ParseOps(const std::vector<std::string>& lines) {
    std::vector<Op> ops;
    for (const auto& line : lines) {
        ops.push_back(ParseOp(line));
    }
    return ops;
}

}  // namespace orvath::testing
