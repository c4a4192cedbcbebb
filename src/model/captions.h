// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace orvath {

// Label1 after a change of the angle: "ANGLE OF INCIDENCE= 25".
std::string AngleCaption(std::int16_t angleDeg);
// Label3 after a change of the wave count: "# WAVES = 10".
std::string WavesCaption(std::int16_t waves);
// Label4 after a change of the index: "c2=  C1/0.50".
std::string IndexCaption(std::int16_t indexTimes100);
// Label2 as start-up first writes it: "TIME =20.00".
std::string StartupTimeCaption(std::int16_t timeTimes100);
// Label2 after a change of the time bar: "TIME = 120.00* T".
std::string TimeBarCaption(std::int16_t timeTimes100, double period);

}  // namespace orvath
