// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvath::web {

class Page;

// Something a user of the page does besides the controls, as its menu lists
// it: the command's name, what the menu calls it, the keys as the menu shows
// them, and the keys as the page's script matches them (KeyboardEvent.key,
// lower case, after "Ctrl+" and, for letters and F keys, "Shift+"; or, for
// keys whose character Shift changes, "Shift+" and the unshifted one).
struct PageMenuItem {
    std::string command;
    std::string text;
    std::string keys;
    std::vector<std::string> bindings;
    // The group it belongs to in the menu, which checks the item in use.
    std::string group;
};

// Every item of the page's menu, in its order, the window's actions that
// work on the page.
const std::vector<PageMenuItem>& PageMenu();

// The commands with a value: "speed 1/10", "medium air-water".
inline constexpr std::string_view kSpeedCommand = "speed ";
inline constexpr std::string_view kMediumCommand = "medium ";
// An answer to the mystery medium: "guess 1.47", the text as typed.
inline constexpr std::string_view kGuessCommand = "guess ";

// The menu as JSON, for the page's facts, its numbers with the reader's
// decimal separator.
std::string PageMenuJson(std::string_view decimalPoint);

// Runs a command of the program (page_facts.h), or one with a value; the
// commands of the page's script (saving, copying, the menu) are not among
// them. Returns false for a command the program does not know.
bool RunPageCommand(Page& page, std::string_view command);

// The commands whose menu items are checked now: the switches that are on,
// the speed in use, the pair of media of the index, if any.
std::vector<std::string> CheckedCommands(const Page& page);

}  // namespace orvath::web
