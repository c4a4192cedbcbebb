// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "wavelets/drawing.h"
#include "wavelets/phases.h"
#include "wavelets/tangent_point.h"

namespace orvath::wavelets {

namespace {

// The part of the forward half of the incident wavelet above the boundary,
// right of its centre, in red.
void DrawForwardHalfAboveBoundary(const Fan& fan, const RayTable& t, int i,
                                  const BoundaryCrossing& crossing, Surface& surface) {
    Arc(surface, t.waveX[i], t.waveY[i], t.waveR[i], 2 * fan.pi - crossing.crossAngle, 2 * fan.pi,
        kRed);
    Arc(surface, t.waveX[i], t.waveY[i], t.waveR[i], 0, fan.theta, kRed);
}

// The secondary wavelet about the hit point, from the point where the
// refracted front touches it round the bottom to the boundary on the right.
void DrawSecondaryWavelet(const Fan& fan, const RayTable& t, int i, double hitWaveR,
                          Surface& surface) {
    const double hitX = t.hitX[i];
    const auto lowerHalf = [&] { Arc(surface, hitX, 0, hitWaveR, fan.pi, 2 * fan.pi); };

    if (fan.sinRefr >= 1) {
        lowerHalf();
        return;
    }

    TangentPoint tangent{hitX - hitWaveR, 0, false};
    // At normal incidence every front is parallel to the boundary and the
    // refracted front is horizontal: it touches the wavelet on the boundary.
    if (!fan.NormalIncidence()) {
        // The current whole-period front, counted from the start front's end.
        const double frontEndY = F(fan.frontY1) - fan.cosTheta * fan.lambda1 * fan.periods;
        const double frontEndX = F(fan.frontX1) + fan.sinTheta * fan.lambda1 * fan.periods;
        const double frontCutX = frontEndX - frontEndY / fan.tanTheta;

        const auto found =
            FindTangentPoint({hitX, hitWaveR, frontCutX, fan.tanRefr, fan.criticalFlagSet});
        if (!found) {
            lowerHalf();
            return;
        }
        tangent = *found;
        if (tangent.marked) {
            WideDot(surface, 9, tangent.tangentX, tangent.tangentY, kForeground);
        }
    }

    const double tangentAngle =
        std::atan2(std::fabs(tangent.tangentY), std::fabs(tangent.tangentX - hitX));
    Arc(surface, hitX, 0, hitWaveR, fan.pi + tangentAngle, 2 * fan.pi);
}

}  // namespace

void DrawBoundaryAndHitDot(const Fan& fan, const RayTable& table, int i, Surface& surface) {
    surface.Line(fan.xLeft, 0, fan.xRight, 0, kForeground);
    WideDot(surface, 5, table.hitX[i], table.hitY[i], kRed);
}

void DrawApproachingPhase(const Fan& fan, const RayTable& t, int i, Surface& surface) {
    WideDot(surface, 5, t.waveX[i], t.waveY[i], kBlue);
    if (Sq(t.waveY[i]) - Sq(t.waveR[i]) > 0) {
        surface.Line(t.frontX[i], t.frontY[i], t.hitX[i], t.hitY[i], kIncidentRayPink);
        Arc(surface, t.waveX[i], t.waveY[i], t.waveR[i], fan.pi + fan.theta, 2 * fan.pi);
        Arc(surface, t.waveX[i], t.waveY[i], t.waveR[i], 0, fan.theta);
        return;
    }
    // The wavelet already reaches the boundary line although the front has
    // not: only its part above the line is shown, and no ray.
    DrawForwardHalfAboveBoundary(fan, t, i, CrossBoundary(t, i), surface);
}

void DrawCrossingPhase(const Fan& fan, const RayTable& t, int i, Surface& surface) {
    const BoundaryCrossing crossing = CrossBoundary(t, i);
    DrawForwardHalfAboveBoundary(fan, t, i, crossing, surface);
    surface.Line(t.frontX[i], t.frontY[i], t.hitX[i], t.hitY[i], kForeground);
    WideDot(surface, 5, t.waveX[i], t.waveY[i], kBlue);
    if (crossing.crossX <= t.hitX[i]) {
        return;
    }

    // The wavelet has swept past the hit point: the hit point has been
    // sending a wavelet into medium 2 for PastHit / C1 time units.
    const double centreToHit = std::sqrt(Sq(static_cast<double>(t.waveX[i]) - t.hitX[i]) +
                                         Sq(static_cast<double>(t.waveY[i]) - t.hitY[i]));
    const double pastHit = t.waveR[i] - centreToHit;
    const double hitWaveR = pastHit * fan.c2 / fan.c1;
    DrawSecondaryWavelet(fan, t, i, hitWaveR, surface);
}

}  // namespace orvath::wavelets
