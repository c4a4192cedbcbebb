// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

#include "model/controls.h"

namespace orvath {

// A bar's range, steps and start value, and the word that names it in event
// scripts and on the command line ("angle": `angle 30`, `--angle 30`).
struct BarSetting {
    std::string_view word;
    std::string_view meaning;  // what the value is, for help texts
    int min = 0;
    int max = 0;
    int smallStep = 0;  // arrow keys and arrow buttons
    int largeStep = 0;  // Page Up / Page Down and clicks on the track
    int start = 0;      // the value at every start of the program
};

// The one table of the four bars' settings, in the order of Bar.
inline constexpr BarSetting kBarSettings[] = {
    {"angle", "angle of incidence in degrees", 0, 89, 1, 5, 25},
    {"index", "relative refractive index x 100", 50, 300, 1, 10, 50},
    {"waves", "number of waves", 5, 39, 2, 2, 10},
    {"time", "time bar (hundredths)", 0, 5000, 2, 50, 2000},
};
static_assert(std::size(kBarSettings) == kBars.size());

constexpr const BarSetting& SettingOf(Bar bar) {
    return kBarSettings[static_cast<std::size_t>(bar)];
}

// The value clamped to the bar's range, as a scroll bar takes it.
int ClampToRange(Bar bar, int value);

// The values of the four bars, as the renderers read them.
struct BarValues {
    std::int16_t angle = 0;  // angle of incidence, degrees
    std::int16_t index = 0;  // relative index n = c1 / c2, times 100
    std::int16_t waves = 0;  // number of waves
    std::int16_t time = 0;   // the time bar, hundredths

    std::int16_t& operator[](Bar bar);
    std::int16_t operator[](Bar bar) const;
    friend bool operator==(const BarValues&, const BarValues&) = default;
};

// Every bar at its start value.
BarValues StartValues();

// The time bar's steps in one period T of the picture: the wavelet picture
// takes the bar as hundredths of the time unit, and T = 6 units is 600 steps;
// the continuous picture takes it as hundredths of a period, 100 steps.
int TimeStepsPerPeriod(DisplayMode mode);

}  // namespace orvath
