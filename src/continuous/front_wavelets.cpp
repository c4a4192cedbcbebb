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
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), ToSingle(beam.Theta + scene.pi),
                   ToSingle(2 * scene.pi), kForeground);
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), 0, ToSingle(beam.Theta),
                   kForeground);
}

// Case B: the forward half of the medium-1 wavelet without the part below the
// boundary. The circle cuts y = 0 at 3 Pi / 2 -/+ `CrossAngle`; `CrossAngle`
// is measured from the downward vertical through the centre, which lies above
// the boundary (y > 0).
void DrawForwardHalfAboveBoundary(const Scene& scene, const Beam& beam, double x, double y,
                                  double radius1, Surface& surface) {
    const double CrossX = x + std::sqrt(radius1 * radius1 - y * y);
    const double CrossAngle = std::atan2(CrossX - x, y);
    const double pi = scene.pi;
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), ToSingle(beam.Theta + pi),
                   ToSingle(3 * pi / 2 - CrossAngle), kForeground);
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), ToSingle(3 * pi / 2 + CrossAngle),
                   ToSingle(2 * pi), kForeground);
    surface.Circle(ToSingle(x), ToSingle(y), ToSingle(radius1), 0, ToSingle(beam.Theta),
                   kForeground);
}

// Case C: the medium-2 wavelet born at `BirthX` on the boundary when the
// incident front, sweeping the boundary at C1 / sin(Theta), reached it. The
// centres are `FrontStep` apart, so every such wavelet touches the refracted
// front.
void DrawBoundaryWavelet(const Scene& scene, const Beam& beam, std::size_t i, double time,
                         Surface& surface) {
    const auto index = static_cast<double>(i);
    const double BirthTime = index * beam.FrontStep * std::sin(beam.Theta) / scene.c1;
    const double Age = time * scene.period - BirthTime;
    const double BirthX = (beam.LeftX + beam.RayShift) + index * beam.FrontStep;
    const double Radius2 = scene.c2 * Age;
    DrawLowerHalf(scene, BirthX, Radius2, surface);
}

}  // namespace

void DrawLeftEdgeWavelet(const Scene& scene, const Beam& beam, double time, Surface& surface) {
    DrawLowerHalf(scene, beam.LeftX + beam.RayShift, scene.period * scene.c2 * time, surface);
}

void DrawRefractedFront(const Scene& scene, const Beam& beam, double time, Surface& surface) {
    // At or beyond the critical angle there is no refracted wave, and at
    // `Time` 0 the front has not left the left edge ray yet.
    const double SinRefr = scene.sinRefraction;
    if (SinRefr >= 1 || time <= 0) {
        return;
    }
    const double Dist2 = scene.c2 * (time * scene.period);
    // The arcsine of SinRefr, taken through the arctangent.
    const double ThetaRefr = std::atan2(SinRefr, std::sqrt(1 - SinRefr * SinRefr));
    // The incident front sweeps the boundary at C1 / sin(Theta), so it meets
    // the boundary `Reach` = C1 Time T / sin(Theta) beyond `LeftHitX`, where
    // the refracted front meets it too.
    const double Reach = Dist2 / SinRefr;
    const double TangentX = (beam.LeftX + beam.RayShift) + SinRefr * Dist2;
    const double TangentY = -Dist2 * std::cos(ThetaRefr);
    const double EnvelopeX = (beam.LeftX + beam.RayShift) + Reach;
    surface.Line(ToSingle(TangentX), ToSingle(TangentY), ToSingle(EnvelopeX), 0,
                 kRefractedFrontCyan);
    surface.Line(ToSingle(EnvelopeX), 0, ToSingle(EnvelopeX + 20 * beam.RayShift),
                 ToSingle(20 * beam.RayShift * std::tan(beam.Theta)), kRefractedFrontCyan);
}

void DrawFrontPointWavelets(const Scene& scene, const Beam& beam, const FrontPoints& front,
                            double time, Surface& surface) {
    const double cosTheta = std::cos(beam.Theta);
    // Every medium-1 wavelet has travelled for the same time.
    const double Radius1 = scene.c1 * time * scene.period;
    for (std::size_t i = 0; i < front.Count(); ++i) {
        // The stored single-precision point, compared with double products.
        const double x = front.FrontX[i];
        const double y = front.FrontY[i];
        // Positive while the wavelet has not reached the point where its own
        // ray meets the boundary.
        const double aboveAlongRay = y - Radius1 * cosTheta;
        if (y - Radius1 > 0 && aboveAlongRay > 0 && time > 0) {
            DrawForwardHalf(scene, beam, x, y, Radius1, surface);
        } else if (y - Radius1 < 0 && aboveAlongRay > 0 && time > 0) {
            DrawForwardHalfAboveBoundary(scene, beam, x, y, Radius1, surface);
        } else if (aboveAlongRay < 0) {
            DrawBoundaryWavelet(scene, beam, i, time, surface);
        }
    }
}

}  // namespace orvath::continuous
