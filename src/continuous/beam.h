// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/scene.h"

namespace orvath::continuous {

// Every coordinate, radius and angle is computed in double precision and
// handed to the surface in single precision.
inline float ToSingle(double value) {
    return static_cast<float>(value);
}

// How far the fronts drawn from the boundary reach to the right, in ray
// shifts (RayShift): far enough to leave the view at every angle.
inline constexpr int kFrontReachInRayShifts = 20;

// The beam of the continuous picture: a plane wave of finite width coming down
// through medium 1 at the angle of incidence, bounded by two edge rays with a
// central ray between them. Lengths are world units.
struct Beam {
    double theta = 0;      // angle of incidence, radians from the normal
    double frontStep = 0;  // one (NumWaves - 1)-th of the trace wavelength along the boundary
    double halfSpan = 0;   // half the beam width in units of FrontStep, not truncated
    double rayShift = 0;   // horizontal run of a ray from the top edge to the boundary
    double beamX = 0;      // x where the central ray leaves the top edge
    double leftX = 0;      // x where the left edge ray leaves the top edge
    double rightX = 0;     // x where the right edge ray leaves the top edge
    double leftHitX = 0;   // x where the left edge ray meets the boundary
};

// The beam for an angle of incidence of 1 to 89 degrees and 5 to 39 waves.
// The edges depend only on the angle and the frame: the beam is always three
// trace wavelengths wide along the boundary.
Beam ComputeBeam(const Scene& scene);

// The points of the incident front at the moment the left edge ray reaches
// the boundary, stored in single precision. Both arrays have NumWaves + 1
// entries; entries 0..NumWaves - 1 are the points, the last one stays 0.
struct FrontPoints {
    std::vector<float> frontX;
    std::vector<float> frontY;

    // The number of points, NumWaves.
    std::size_t Count() const { return frontX.size() - 1; }
};

// Point i lies on the front through (LeftHitX, 0), 2 * FrontStep * cos(Theta)
// further along it than point i - 1, and meets the boundary along its ray at
// LeftHitX + 2 * i * FrontStep.
FrontPoints ComputeFrontPoints(const Beam& beam, std::int16_t numWaves);

}  // namespace orvath::continuous
