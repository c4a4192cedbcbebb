// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "panel/event_script.h"

namespace orvath::fuzzing {

// The longest start of `script` whose tick events ask for at most `budget`
// ticks in all. Lines are read as the trace reads them; a bad line ends
// nothing here, so the trace still reports it.
inline std::string_view WithinTickBudget(std::string_view script, long budget) {
    long ticks = 0;
    std::size_t start = 0;
    while (start < script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string_view::npos) {
            end = script.size();
        }
        const ScriptLine parsed = ParseScriptLine(script.substr(start, end - start));
        if (parsed.status == ScriptLine::Status::Event &&
            parsed.event.kind == ScriptEvent::Kind::Tick) {
            ticks += parsed.event.value;
            if (ticks > budget) {
                return script.substr(0, start);
            }
        }
        start = end + 1;
    }
    return script;
}

}  // namespace orvath::fuzzing
