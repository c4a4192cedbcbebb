// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/optics.h"

#include <cmath>
#include <numbers>

namespace orvath::exact {

Optics MakeOptics(const Scene& scene) {
    Optics o;
    o.angleDeg = scene.bars.angle;
    o.theta1 = scene.theta;
    o.sin1 = scene.sinTheta;
    o.cos1 = std::cos(o.theta1);
    o.index = scene.bars.index / 100.0;
    o.wavelength2 = scene.lambda1 / o.index;
    switch (scene.verdict) {
        case CriticalVerdict::Critical:
            o.verdict = CriticalVerdict::Critical;
            o.theta2 = std::numbers::pi / 2;
            o.sin2 = 1;
            o.cos2 = 0;
            break;
        case CriticalVerdict::Greater:
            o.verdict = CriticalVerdict::Greater;
            break;
        case CriticalVerdict::Less:
            o.verdict = CriticalVerdict::Less;
            // Snell's law as the construction's geometry takes it.
            o.sin2 = o.sin1 / o.index;
            o.cos2 = std::sqrt(1 - o.sin2 * o.sin2);
            o.theta2 = std::atan2(o.sin2, o.cos2);
            break;
    }
    o.incident = {scene.c1, {o.sin1, -o.cos1}};
    o.refracted = {scene.c2, {o.sin2, -o.cos2}};
    o.reflected = {scene.c1, {o.sin1, o.cos1}};
    return o;
}

}  // namespace orvath::exact
