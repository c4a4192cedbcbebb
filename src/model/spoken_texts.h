// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/controls.h"
#include "model/critical_angle.h"
#include "model/refraction_facts.h"
#include "model/timer_speed.h"

namespace orvath {

// What a screen reader says besides the controls' names and descriptions.
// Numbers use the given decimal separator.

// A bar's value in the terms of its caption: "40 degrees", "relative index
// 1.50", "time 20.00", "10 waves" (the facts hold all but the waves).
std::string BarValueText(Bar bar, int waves, const RefractionFacts& facts,
                         std::string_view decimalPoint);

// Said after a change of the angle or the index: the critical-angle message
// and what becomes of the wave, "Less than critical. Angle of incidence 25
// degrees. The wave is refracted at 57.7 degrees. Critical angle 30.0 degrees."
std::string RefractionAnnouncement(const RefractionFacts& facts, CriticalVerdict verdict,
                                   std::string_view decimalPoint);

// "The timer runs." / "The timer is stopped."
std::string_view TimerAnnouncement(bool running);

// "Speed 1/10."
std::string SpeedAnnouncement(TimerSpeed speed);

// The picture: which one, in which view, the angles and whether the wave is
// totally reflected.
std::string PictureSummary(DisplayMode mode, View view, bool reflection,
                           const RefractionFacts& facts, std::string_view decimalPoint);

}  // namespace orvath
