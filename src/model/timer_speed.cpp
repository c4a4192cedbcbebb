// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/timer_speed.h"

#include <algorithm>

namespace orvath {
namespace {

struct SpeedSetting {
    std::string_view name;
    int millisecondsPerTick;
};

// In the order of TimerSpeed.
constexpr auto kSpeedSettings = std::to_array<SpeedSetting>({
    {"1x", 1},
    {"1/2", 2},
    {"1/4", 4},
    {"1/10", 10},
    {"1/50", 50},
});
static_assert(kSpeedSettings.size() == kTimerSpeeds.size());

std::size_t At(TimerSpeed speed) {
    return static_cast<std::size_t>(speed);
}

}  // namespace

int MillisecondsPerTick(TimerSpeed speed) {
    return kSpeedSettings.at(At(speed)).millisecondsPerTick;
}

std::string_view SpeedName(TimerSpeed speed) {
    return kSpeedSettings.at(At(speed)).name;
}

std::optional<TimerSpeed> SpeedNamed(std::string_view name) {
    if (name == "1") {
        return TimerSpeed::Full;
    }
    for (const TimerSpeed speed : kTimerSpeeds) {
        if (SpeedName(speed) == name) {
            return speed;
        }
    }
    return std::nullopt;
}

TimerSpeed Slower(TimerSpeed speed) {
    return kTimerSpeeds.at(std::min(At(speed) + 1, kTimerSpeeds.size() - 1));
}

TimerSpeed Faster(TimerSpeed speed) {
    return kTimerSpeeds.at(At(speed) == 0 ? 0 : At(speed) - 1);
}

}  // namespace orvath
