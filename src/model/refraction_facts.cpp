// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/refraction_facts.h"

#include <cmath>
#include <numbers>

namespace orvath {
namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

}  // namespace

RefractionFacts ComputeRefractionFacts(const Scene& scene) {
    const BarValues& bars = scene.bars;
    RefractionFacts facts;
    facts.index = bars.index / 100.0;
    facts.speed1 = scene.c1;
    facts.speed2 = scene.c2;
    facts.wavelength1 = scene.lambda1;
    facts.wavelength2 = scene.c1 > 0 ? scene.lambda1 * scene.c2 / scene.c1 : 0;
    facts.incidenceDeg = bars.angle;

    switch (scene.verdict) {
        case CriticalVerdict::Less: {
            const double sine = std::sin(bars.angle / kDegreesPerRadian) / facts.index;
            facts.refractionDeg = std::asin(std::min(sine, 1.0)) * kDegreesPerRadian;
            break;
        }
        case CriticalVerdict::Critical:
            facts.refractionDeg = 90;
            break;
        case CriticalVerdict::Greater:
            break;
    }
    if (facts.index < 1) {
        facts.criticalDeg = std::asin(facts.index) * kDegreesPerRadian;
    }

    facts.time = bars.time / 100.0;
    facts.periods = scene.period > 0 ? facts.time / scene.period : 0;
    return facts;
}

}  // namespace orvath
