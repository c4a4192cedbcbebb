// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace orvath {

enum class DisplayMode { Wavelets, Continuous };

// Settings applied after start-up as a user would make them: click the mode's
// option button, then move the angle, index, waves and time bars.
struct BarOptions {
    std::optional<DisplayMode> mode;
    std::optional<int> angle;
    std::optional<int> index;
    std::optional<int> waves;
    std::optional<int> time;
};

}  // namespace orvath
