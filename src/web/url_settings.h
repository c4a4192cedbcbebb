// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "panel/settings.h"

namespace orvath::web {

// The settings that a link to the page carries after its '#':
// "mode=continuous&angle=40&index=150&waves=10&time=1500&view=exact&reflection=on&key=off".
// Every key is optional. A key the page does not know, or a value it cannot
// take, leaves that setting at its start value and adds a line to `problems`.
struct UrlSettings {
    PanelSettings settings;
    std::vector<std::string> problems;
};

// Reads the part of the address after '#' (or '?'); a leading '#' or '?' is
// skipped, and so are empty pieces. Values may be percent-encoded.
UrlSettings ParseUrlSettings(std::string_view fragment);

// The fragment that gives these settings (SettingsShown of a panel gives its
// picture): the mode, bar values, view and reflection switch that are set.
std::string SettingsFragment(const PanelSettings& settings);

}  // namespace orvath::web
