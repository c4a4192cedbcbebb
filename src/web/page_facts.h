// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "web/page.h"

namespace orvath::web {

// What the page's script does on the program's behalf, by name.
enum class PageCommand {
    View,
    Reflection,
    Information,
    Timer,
    Reset,
    Key,
    Theme,
    Slower,
    Faster,
    StepForward,
    StepBack,
    PeriodForward,
    PeriodBack,
    Mystery,
    Reveal,
    ZoomIn,
    ZoomOut,
    WholePicture,
    Protractor,
    Ruler,
};

// The command of that name ("view", "reflection", "information", "timer",
// "reset", "key", "theme", "slower", ...), or none.
std::optional<PageCommand> PageCommandNamed(std::string_view name);

// What a key of the browser (KeyboardEvent.key: "ArrowRight", "PageUp",
// "Home", ...) does to a focused bar, or none for a key bars do not take.
std::optional<BarKey> BarKeyNamed(std::string_view key);

// Everything the page's script must agree on with the program, as JSON: the
// panel's elements in the order of the page (id, kind and text), the
// picture's id, the command and bar-key names, and the packed picture's
// record tags. The script builds the page from it and speaks to the program
// by these names only, so neither side can drift from the other. Numbers
// use the reader's decimal separator.
std::string PageFactsJson(std::string_view decimalPoint = ".");

// A text as a JSON string.
std::string JsonQuoted(std::string_view text);

}  // namespace orvath::web
