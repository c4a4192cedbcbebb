// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace orvath::testing {

// A bad script line and the message the program gives for it.
struct ScriptError {
    std::string line;
    std::string message;
};

// Every kind of bad line, with the ends of every range: read by the parser's
// unit test and by the end-to-end test that runs the program on each.
inline std::vector<ScriptError> ScriptErrors() {
    const std::string forty(40, 'w');
    return {
        {"jump", "unknown event 'jump'"},
        {"Angle 30", "unknown event 'Angle'"},
        {forty, "unknown event '" + forty + "'"},
        {forty + "w", "unknown event '" + forty + "...'"},
        {"angle", "'angle' needs a value from 0 to 89"},
        {"waves", "'waves' needs a value from 5 to 39"},
        {"angle 30 40", "unexpected '40' after 'angle'"},
        {"angle 30 # note", "unexpected '#' after 'angle'"},
        {"timer now", "unexpected 'now' after 'timer'"},
        {"tick 5 # five", "unexpected '#' after 'tick'"},
        {"angle 90", "'angle' value '90' is outside 0 to 89"},
        {"angle -1", "'angle' value '-1' is outside 0 to 89"},
        {"index 49", "'index' value '49' is outside 50 to 300"},
        {"index 301", "'index' value '301' is outside 50 to 300"},
        {"waves 4", "'waves' value '4' is outside 5 to 39"},
        {"waves 40", "'waves' value '40' is outside 5 to 39"},
        {"time -1", "'time' value '-1' is outside 0 to 5000"},
        {"time 5001", "'time' value '5001' is outside 0 to 5000"},
        {"tick 0", "'tick' value '0' is outside 1 to 100000"},
        {"tick 100001", "'tick' value '100001' is outside 1 to 100000"},
        {"angle 3.5", "'3.5' is not a whole number"},
        {"angle -", "'-' is not a whole number"},
        {"angle 0x10", "'0x10' is not a whole number"},
        {"index 1e2", "'1e2' is not a whole number"},
        {"time 99999999999999999999999",
         "'time' value '99999999999999999999999' is outside 0 to 5000"},
        {"view", "'view' needs 'exact' or 'classic'"},
        {"view Exact", "'view' needs 'exact' or 'classic'"},
        {"reflection 1", "'reflection' needs 'on' or 'off'"},
        {"reflection on now", "unexpected 'now' after 'reflection'"},
        {"mystery", "'mystery' needs a value from 1 to 999999"},
        {"mystery 0", "'mystery' value '0' is outside 1 to 999999"},
        {"reveal now", "unexpected 'now' after 'reveal'"},
    };
}

}  // namespace orvath::testing
