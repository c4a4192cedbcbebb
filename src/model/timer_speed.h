// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace orvath {

// How fast the timer runs against real time. At full speed it ticks once a
// millisecond, its interval on the panel; the slower speeds stretch real
// time only: a tick is still one timer interval and one step of the time bar.
enum class TimerSpeed { Full, Half, Quarter, Tenth, Fiftieth };

// From the fastest to the slowest.
inline constexpr std::array kTimerSpeeds = {TimerSpeed::Full, TimerSpeed::Half, TimerSpeed::Quarter,
                                            TimerSpeed::Tenth, TimerSpeed::Fiftieth};

// Real milliseconds per tick: 1, 2, 4, 10 or 50.
int MillisecondsPerTick(TimerSpeed speed);
// "1x", "1/2", "1/4", "1/10", "1/50": what menus and --speed call it.
std::string_view SpeedName(TimerSpeed speed);
// The speed of that name; "1" is taken for "1x".
std::optional<TimerSpeed> SpeedNamed(std::string_view name);
// The next slower or faster speed; the slowest and the fastest stay.
TimerSpeed Slower(TimerSpeed speed);
TimerSpeed Faster(TimerSpeed speed);

}  // namespace orvath
