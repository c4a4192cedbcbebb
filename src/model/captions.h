// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/controls.h"

namespace orvath {

// The angle label after a change of the angle: "ANGLE OF INCIDENCE= 25".
std::string AngleCaption(std::int16_t angleDeg);
// The waves label after a change of the wave count: "# WAVES = 10".
std::string WavesCaption(std::int16_t waves);
// The index label after a change of the index: "c2=  C1/0.50".
std::string IndexCaption(std::int16_t indexTimes100);
// The same while a mystery medium hides the index: "c2=  C1/?".
std::string HiddenIndexCaption();
// The time label as start-up first writes it: "TIME =20.00".
std::string StartupTimeCaption(std::int16_t timeTimes100);
// The time label after a change of the time bar: "TIME = 120.00* T".
std::string TimeBarCaption(std::int16_t timeTimes100, double period);
// The time label as the wavelet picture writes it: "TIME= 20.00 * T".
std::string WaveletTimeCaption(std::int16_t timeTimes100);

// Every caption the bar's label shows at the ends of the bar's range, in each
// of its forms: what a label must have room for.
std::vector<std::string> CaptionsAtTheEnds(Bar bar, double period);

}  // namespace orvath
