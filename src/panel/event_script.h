// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/controls.h"

namespace orvath {

// What a user does in one line of an event script.
struct ScriptEvent {
    enum class Kind { MoveBar, Click, Tick, View, Reflection, Mystery, Guess, Reveal };
    Kind kind = Kind::Tick;
    Bar bar = Bar::Angle;              // MoveBar
    Button button = Button::Wavelets;  // Click
    // The bar's value, the number of ticks, the View, 1 for reflection on,
    // or the mystery medium's seed.
    int value = 0;
    std::string words;  // the line's words joined by single blanks
    std::string typed;  // Guess: the rest of the line, as typed
};

// The outcome of reading one script line: nothing to do (blank or comment),
// an event, or an error with a one-line message.
struct ScriptLine {
    enum class Status { Skip, Event, Error };
    Status status = Status::Skip;
    ScriptEvent event;
    std::string error;
};

// Reads one line (without its line feed). Carriage returns count as blanks.
ScriptLine ParseScriptLine(std::string_view line);

// The most ticks one `tick` line may ask for.
inline constexpr int kMaxTicksPerLine = 100000;

}  // namespace orvath
