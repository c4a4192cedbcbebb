// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuous/static_scene.h"

#include <cmath>
#include <cstddef>

namespace orvath::continuous {
namespace {

constexpr Rgb kFrontPointRed{255, 0, 0};
constexpr Rgb kCentralRayRed{255, 0, 0};
constexpr Rgb kEdgeRayRed{155, 0, 0};
constexpr Rgb kIncidentFrontBlue{0, 0, 250};

constexpr int kFrontPointWidth = 5;

// One incident front: from where a ray that left the top edge at x meets the
// boundary, up and to the right along (cos Theta, sin Theta), reaching
// kFrontReachInRayShifts ray shifts to the right.
void DrawFrontFrom(double x, const Beam& beam, double tanTheta, Surface& surface) {
    surface.Line(ToSingle(x + beam.rayShift), 0,
                 ToSingle(x + (kFrontReachInRayShifts + 1) * beam.rayShift),
                 ToSingle(kFrontReachInRayShifts * beam.rayShift * tanTheta), kIncidentFrontBlue);
}

}  // namespace

void DrawFrontPoints(const Scene& scene, const Beam& beam, const FrontPoints& front,
                     Surface& surface) {
    const double sinTheta = std::sin(beam.theta);
    const double cosTheta = std::cos(beam.theta);
    for (std::size_t i = 0; i < front.Count(); ++i) {
        surface.DrawWidth(kFrontPointWidth);
        surface.PSet(front.frontX[i], front.frontY[i], kFrontPointRed);
        surface.DrawWidth(1);

        // C1 * T / 2 is half a wavelength in medium 1.
        const double halfX = front.frontX[i] + scene.c1 * sinTheta * 0.5 * scene.period;
        const double halfY = front.frontY[i] - scene.c1 * cosTheta * 0.5 * scene.period;
        if (halfY >= 0) {
            surface.PSet(ToSingle(halfX), ToSingle(halfY), kFrontPointRed);
        }
    }
}

void DrawAxes(const Scene& scene, Surface& surface) {
    surface.Line(scene.xLeft, 0, scene.xRight, 0, kForeground);
    surface.Line(0, scene.yBottom, 0, scene.yTop, kForeground);
}

void DrawRays(const Scene& scene, const Beam& beam, Surface& surface) {
    const float top = scene.yTop;
    surface.Line(ToSingle(beam.beamX), top, ToSingle(beam.beamX + beam.rayShift), 0,
                 kCentralRayRed);
    surface.Line(ToSingle(beam.leftX), top, ToSingle(beam.leftX + beam.rayShift), 0, kEdgeRayRed);
    surface.Line(ToSingle(beam.rightX), top, ToSingle(beam.rightX + beam.rayShift), 0, kEdgeRayRed);
}

void DrawIncidentFronts(const Beam& beam, Surface& surface) {
    const double tanTheta = std::tan(beam.theta);
    surface.DrawStyle(LineStyle::Dotted);
    DrawFrontFrom(beam.beamX, beam, tanTheta, surface);
    surface.DrawStyle(LineStyle::Solid);
    DrawFrontFrom(beam.leftX, beam, tanTheta, surface);
    surface.DrawStyle(LineStyle::Solid);
    DrawFrontFrom(beam.rightX, beam, tanTheta, surface);
    surface.DrawStyle(LineStyle::Solid);
}

}  // namespace orvath::continuous
