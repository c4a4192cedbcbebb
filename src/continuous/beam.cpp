// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuous/beam.h"

#include <cmath>
#include <cstddef>

namespace orvath::continuous {

Beam ComputeBeam(const Scene& scene) {
    Beam beam;
    const auto intervals = static_cast<std::int16_t>(scene.bars.waves - 1);
    const auto spanUnits = static_cast<std::int16_t>(intervals * 3);
    const double xLeft = scene.xLeft;
    const double xRight = scene.xRight;

    beam.theta = scene.theta;
    beam.frontStep = scene.lambda1 / scene.sinTheta / intervals;
    beam.halfSpan = spanUnits / 2.0;
    beam.rayShift = scene.yTop * std::tan(beam.theta);
    beam.beamX = xLeft + (xRight - xLeft) / 4;
    beam.leftX = beam.beamX - beam.halfSpan * beam.frontStep;
    beam.rightX = beam.beamX + beam.halfSpan * beam.frontStep;
    beam.leftHitX = beam.leftX + beam.rayShift;
    return beam;
}

FrontPoints ComputeFrontPoints(const Beam& beam, std::int16_t numWaves) {
    const auto entries = static_cast<std::size_t>(numWaves) + 1;
    FrontPoints front{std::vector<float>(entries), std::vector<float>(entries)};
    const double cosTheta = std::cos(beam.theta);
    const double sinTheta = std::sin(beam.theta);
    for (std::int16_t i = 0; i < numWaves; ++i) {
        const auto at = static_cast<std::size_t>(i);
        front.frontX[at] = ToSingle(beam.leftHitX + 2 * beam.frontStep * i * cosTheta * cosTheta);
        front.frontY[at] = ToSingle(2 * beam.frontStep * i * sinTheta * cosTheta);
    }
    return front;
}

}  // namespace orvath::continuous
