// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/optics.h"

#include <cmath>
#include <numbers>

namespace orvath::exact {

Optics MakeOptics(int angleDeg, int indexTimes100) {
    Optics o;
    o.angleDeg = angleDeg;
    o.theta1 = angleDeg * std::numbers::pi / 180;
    o.sin1 = std::sin(o.theta1);
    o.cos1 = std::cos(o.theta1);
    o.index = indexTimes100 / 100.0;
    o.wavelength2 = kWavelength1 / o.index;
    const double speed2 = kSpeed1 / o.index;

    // The program's own test: within 0.0001 of 1 is the critical angle.
    const double sine2 = o.sin1 / o.index;
    if (std::abs(sine2 - 1) < 0.0001) {
        o.regime = Regime::Critical;
        o.theta2 = std::numbers::pi / 2;
        o.sin2 = 1;
        o.cos2 = 0;
    } else if (sine2 > 1) {
        o.regime = Regime::TotalReflection;
    } else {
        o.regime = Regime::Refraction;
        o.sin2 = sine2;
        o.cos2 = std::sqrt(1 - sine2 * sine2);
        o.theta2 = std::atan2(o.sin2, o.cos2);
    }
    o.incident = {kSpeed1, {o.sin1, -o.cos1}};
    o.refracted = {speed2, {o.sin2, -o.cos2}};
    o.reflected = {kSpeed1, {o.sin1, o.cos1}};
    return o;
}

}  // namespace orvath::exact
