// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuous/front_wavelets.h"

#include <cmath>
#include <cstddef>

namespace orvath::continuous {
namespace {

constexpr Rgb kRefractedFrontCyan{0, 155, 155};

// The lower half of the circle about (x, 0): the part in medium 2.
void DrawLowerHalf(const Scene& scene, double x, double radius, Surface& surface) {
    surface.Circle(ToSingle(x), 0, ToSingle(radius), ToSingle(scene.pi), ToSingle(2 * scene.pi),
                   kForeground);
}

// Case A: the half of the medium-1 wavelet that faces the direction of travel,
// from Pi + Theta round to 2 Pi + Theta, split at angle 0.
void DrawForwardHalf(const Scene& scene, const Beam& beam, double x, double y, double radius1,
                     Surface& surface) {
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), ToSingle(beam.theta + scene.pi),
                   ToSingle(2 * scene.pi), kForeground);
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), 0, ToSingle(beam.theta),
                   kForeground);
}

// Case B: the forward half of the medium-1 wavelet without the part below the
// boundary. The circle cuts y = 0 at 3 Pi / 2 -/+ `CrossAngle`; `CrossAngle`
// is measured from the downward vertical through the centre, which lies above
// the boundary (y > 0).
void DrawForwardHalfAboveBoundary(const Scene& scene, const Beam& beam, double x, double y,
                                  double radius1, Surface& surface) {
    const double crossX = x + std::sqrt(radius1 * radius1 - y * y);
    const double crossAngle = std::atan2(crossX - x, y);
    const double pi = scene.pi;
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), ToSingle(beam.theta + pi),
                   ToSingle(3 * pi / 2 - crossAngle), kForeground);
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), ToSingle(3 * pi / 2 + crossAngle),
                   ToSingle(2 * pi), kForeground);
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), 0, ToSingle(beam.theta),
                   kForeground);
}

// Case C: the medium-2 wavelet born at `BirthX` on the boundary when the
// incident front, sweeping the boundary at C1 / sin(Theta), reached it. The
// centres are `FrontStep` apart, so every such wavelet touches the refracted
// front.
void DrawBoundaryWavelet(const Scene& scene, const Beam& beam, std::size_t i, double time,
                         Surface& surface) {
    const auto index = static_cast<double>(i);
    const double birthTime = index * beam.frontStep * std::sin(beam.theta) / scene.c1;
    const double age = time * scene.period - birthTime;
    const double birthX = (beam.leftX + beam.rayShift) + index * beam.frontStep;
    const double radius2 = scene.c2 * age;
    DrawLowerHalf(scene, birthX, radius2, surface);
}

}  // namespace

void DrawLeftEdgeWavelet(const Scene& scene, const Beam& beam, double time, Surface& surface) {
    DrawLowerHalf(scene, beam.leftX + beam.rayShift, scene.period * scene.c2 * time, surface);
}

void DrawRefractedFront(const Scene& scene, const Beam& beam, double time, Surface& surface) {
    // At or beyond the critical angle there is no refracted wave, and at
    // `Time` 0 the front has not left the left edge ray yet.
    const double sinRefr = scene.sinRefraction;
    if (sinRefr >= 1 || time <= 0) {
        return;
    }
    const double dist2 = scene.c2 * (time * scene.period);
    // The arcsine of SinRefr, taken through the arctangent.
    const double thetaRefr = std::atan2(sinRefr, std::sqrt(1 - sinRefr * sinRefr));
    // The incident front sweeps the boundary at C1 / sin(Theta), so it meets
    // the boundary `Reach` = C1 Time T / sin(Theta) beyond `LeftHitX`, where
    // the refracted front meets it too.
    const double reach = dist2 / sinRefr;
    const double tangentX = (beam.leftX + beam.rayShift) + sinRefr * dist2;
    const double tangentY = -dist2 * std::cos(thetaRefr);
    const double envelopeX = (beam.leftX + beam.rayShift) + reach;
    surface.Line(ToSingle(tangentX), ToSingle(tangentY), ToSingle(envelopeX), 0,
                 kRefractedFrontCyan);
    surface.Line(ToSingle(envelopeX), 0,
                 ToSingle(envelopeX + kFrontReachInRayShifts * beam.rayShift),
                 ToSingle(kFrontReachInRayShifts * beam.rayShift * std::tan(beam.theta)),
                 kRefractedFrontCyan);
}

void DrawFrontPointWavelets(const Scene& scene, const Beam& beam, const FrontPoints& front,
                            double time, Surface& surface) {
    const double cosTheta = std::cos(beam.theta);
    // Every medium-1 wavelet has travelled for the same time.
    const double radius1 = scene.c1 * time * scene.period;
    for (std::size_t i = 0; i < front.Count(); ++i) {
        // The stored single-precision point, compared with double products.
        const double x = front.frontX[i];
        const double y = front.frontY[i];
        // Positive while the wavelet has not reached the point where its own
        // ray meets the boundary.
        const double aboveAlongRay = y - radius1 * cosTheta;
        if (y - radius1 > 0 && aboveAlongRay > 0 && time > 0) {
            DrawForwardHalf(scene, beam, x, y, radius1, surface);
        } else if (y - radius1 < 0 && aboveAlongRay > 0 && time > 0) {
            DrawForwardHalfAboveBoundary(scene, beam, x, y, radius1, surface);
        } else if (aboveAlongRay < 0) {
            DrawBoundaryWavelet(scene, beam, i, time, surface);
        }
    }
}

}  // namespace orvath::continuous
