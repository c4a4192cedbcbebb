// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "model/controls.h"
#include "panel/user_actions.h"

namespace orvath {

// Settings to apply after start-up, as a user would make them: click the
// mode's option button, then move the angle, index, waves and time bars.
struct PanelSettings {
    std::optional<DisplayMode> mode;
    std::array<std::optional<int>, 4> bars{};  // in the order of Bar

    std::optional<int>& operator[](Bar bar) { return bars.at(static_cast<std::size_t>(bar)); }
    const std::optional<int>& operator[](Bar bar) const {
        return bars.at(static_cast<std::size_t>(bar));
    }
    bool Empty() const;
};

// Applies the settings through what a user does, so the handlers run.
void ApplySettings(const PanelSettings& settings, UserActions& user);

}  // namespace orvath
