// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace orvath {

enum class CriticalVerdict { Less, Critical, Greater };

// Compares the sine of the angle of refraction, sin(angle) * C2 / C1, with 1:
// within 0.0001 of 1 is critical.
CriticalVerdict TestCriticalAngle(double pi, std::int16_t angleDeg, double c2, std::int16_t c1);

// "LESS THAN CRITICAL", "CRITICAL" or "GREATER THAN CRITICAL".
std::string_view CriticalMessage(CriticalVerdict verdict);

}  // namespace orvath
