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

    beam.Theta = scene.theta;
    beam.FrontStep = scene.lambda1 / scene.sinTheta / intervals;
    beam.HalfSpan = spanUnits / 2.0;
    beam.RayShift = scene.yTop * std::tan(beam.Theta);
    beam.BeamX = xLeft + (xRight - xLeft) / 4;
    beam.LeftX = beam.BeamX - beam.HalfSpan * beam.FrontStep;
    beam.RightX = beam.BeamX + beam.HalfSpan * beam.FrontStep;
    beam.LeftHitX = beam.LeftX + beam.RayShift;
    return beam;
}

FrontPoints ComputeFrontPoints(const Beam& beam, std::int16_t numWaves) {
    const auto entries = static_cast<std::size_t>(numWaves) + 1;
    FrontPoints front{std::vector<float>(entries), std::vector<float>(entries)};
    const double cosTheta = std::cos(beam.Theta);
    const double sinTheta = std::sin(beam.Theta);
    for (std::int16_t i = 0; i < numWaves; ++i) {
        const auto at = static_cast<std::size_t>(i);
        front.FrontX[at] = ToSingle(beam.LeftHitX + 2 * beam.FrontStep * i * cosTheta * cosTheta);
        front.FrontY[at] = ToSingle(2 * beam.FrontStep * i * sinTheta * cosTheta);
    }
    return front;
}

}  // namespace orvath::continuous
