// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/refraction_facts.h"

#include <cmath>
#include <numbers>

#include "model/critical_angle.h"

namespace orvath {
namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

}  // namespace

RefractionFacts ComputeRefractionFacts(const SimulationState& state, const BarValues& bars) {
    RefractionFacts facts;
    facts.index = bars.index / 100.0;
    facts.speed1 = state.c1;
    facts.speed2 = state.c2;
    facts.wavelength1 = state.lambda1;
    facts.wavelength2 = state.c1 > 0 ? state.lambda1 * state.c2 / state.c1 : 0;
    facts.incidenceDeg = bars.angle;

    switch (TestCriticalAngle(ComputePi(), bars.angle, state.c2, state.c1)) {
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
    facts.periods = state.period > 0 ? facts.time / state.period : 0;
    return facts;
}

}  // namespace orvath
