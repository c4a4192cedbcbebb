// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bar_settings.h"

#include <algorithm>
#include <array>

#include "model/world_frame.h"

namespace orvath {

int ClampToRange(Bar bar, int value) {
    const BarSetting& setting = SettingOf(bar);
    return std::clamp(value, setting.min, setting.max);
}

std::int16_t& BarValues::operator[](Bar bar) {
    std::array<std::int16_t*, 4> fields = {&angle, &index, &waves, &time};
    return *fields.at(static_cast<std::size_t>(bar));
}

std::int16_t BarValues::operator[](Bar bar) const {
    const std::array<std::int16_t, 4> values = {angle, index, waves, time};
    return values.at(static_cast<std::size_t>(bar));
}

BarValues StartValues() {
    BarValues values;
    for (const Bar bar : kBars) {
        values[bar] = static_cast<std::int16_t>(SettingOf(bar).start);
    }
    return values;
}

int TimeStepsPerPeriod(DisplayMode mode) {
    constexpr int kStepsPerUnit = 100;
    return mode == DisplayMode::Continuous ? kStepsPerUnit : kStepsPerUnit * kWavelength1 / kSpeed1;
}

}  // namespace orvath
