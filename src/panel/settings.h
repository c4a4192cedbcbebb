// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "model/controls.h"
#include "panel/user_actions.h"

namespace orvath {

class Panel;

// Settings a user would make: the view, the reflection switch and the key,
// the mode's option button, then the angle, index, waves and time bars.
struct PanelSettings {
    std::optional<View> view;
    std::optional<bool> reflection;
    std::optional<bool> key;
    std::optional<DisplayMode> mode;
    std::array<std::optional<int>, 4> bars{};  // in the order of Bar
    std::optional<int> mysterySeed;            // a mystery medium on, from this seed

    std::optional<int>& operator[](Bar bar) { return bars.at(static_cast<std::size_t>(bar)); }
    const std::optional<int>& operator[](Bar bar) const {
        return bars.at(static_cast<std::size_t>(bar));
    }
    // Whether the settings move a control of the panel: the mode or a bar.
    bool MoveControls() const;
};

// Every setting of what the panel shows now: its view, reflection switch,
// mode and bars. Applied to a panel after start-up, they show the same.
PanelSettings SettingsShown(const Panel& panel);

// Applies the view, the reflection switch and the key. Before start-up, the
// first picture is then drawn in them.
void ApplyViewSettings(const PanelSettings& settings, UserActions& user);

// Applies the mode and the bars through what a user does, so the handlers
// run, then the mystery medium.
void ApplySettings(const PanelSettings& settings, UserActions& user);

}  // namespace orvath
