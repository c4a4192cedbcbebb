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
    Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], 2 * fan.Pi - crossing.CrossAngle, 2 * fan.Pi,
        kRed);
    Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], 0, fan.Theta, kRed);
}

// The secondary wavelet about the hit point, from the point where the
// refracted front touches it round the bottom to the boundary on the right.
void DrawSecondaryWavelet(const Fan& fan, const RayTable& t, int i, double HitWaveR,
                          Surface& surface) {
    const double hitX = t.HitX[i];
    const auto lowerHalf = [&] { Arc(surface, hitX, 0, HitWaveR, fan.Pi, 2 * fan.Pi); };

    if (fan.SinRefr >= 1) {
        lowerHalf();
        return;
    }

    TangentPoint tangent{hitX - HitWaveR, 0, false};
    // At normal incidence every front is parallel to the boundary and the
    // refracted front is horizontal: it touches the wavelet on the boundary.
    if (!fan.NormalIncidence()) {
        // The current whole-period front, counted from the start front's end.
        const double FrontEndY = F(fan.FrontY1) - fan.CosTheta * fan.Lambda1 * fan.Periods;
        const double FrontEndX = F(fan.FrontX1) + fan.SinTheta * fan.Lambda1 * fan.Periods;
        const double FrontCutX = FrontEndX - FrontEndY / fan.TanTheta;

        const auto found =
            FindTangentPoint({hitX, HitWaveR, FrontCutX, fan.TanRefr, fan.CriticalFlagSet});
        if (!found) {
            lowerHalf();
            return;
        }
        tangent = *found;
        if (tangent.Marked) {
            WideDot(surface, 9, tangent.TangentX, tangent.TangentY, kForeground);
        }
    }

    const double TangentAngle =
        std::atan2(std::fabs(tangent.TangentY), std::fabs(tangent.TangentX - hitX));
    Arc(surface, hitX, 0, HitWaveR, fan.Pi + TangentAngle, 2 * fan.Pi);
}

}  // namespace

void DrawBoundaryAndHitDot(const Fan& fan, const RayTable& table, int i, Surface& surface) {
    surface.Line(fan.XLeft, 0, fan.XRight, 0, kForeground);
    WideDot(surface, 5, table.HitX[i], table.HitY[i], kRed);
}

void DrawApproachingPhase(const Fan& fan, const RayTable& t, int i, Surface& surface) {
    WideDot(surface, 5, t.WaveX[i], t.WaveY[i], kBlue);
    if (Sq(t.WaveY[i]) - Sq(t.WaveR[i]) > 0) {
        surface.Line(t.FrontX[i], t.FrontY[i], t.HitX[i], t.HitY[i], kIncidentRayPink);
        Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], fan.Pi + fan.Theta, 2 * fan.Pi);
        Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], 0, fan.Theta);
        return;
    }
    // The wavelet already reaches the boundary line although the front has
    // not: only its part above the line is shown, and no ray.
    DrawForwardHalfAboveBoundary(fan, t, i, CrossBoundary(t, i), surface);
}

void DrawCrossingPhase(const Fan& fan, const RayTable& t, int i, Surface& surface) {
    const BoundaryCrossing crossing = CrossBoundary(t, i);
    DrawForwardHalfAboveBoundary(fan, t, i, crossing, surface);
    surface.Line(t.FrontX[i], t.FrontY[i], t.HitX[i], t.HitY[i], kForeground);
    WideDot(surface, 5, t.WaveX[i], t.WaveY[i], kBlue);
    if (crossing.CrossX <= t.HitX[i]) {
        return;
    }

    // The wavelet has swept past the hit point: the hit point has been
    // sending a wavelet into medium 2 for PastHit / C1 time units.
    const double CentreToHit = std::sqrt(Sq(static_cast<double>(t.WaveX[i]) - t.HitX[i]) +
                                         Sq(static_cast<double>(t.WaveY[i]) - t.HitY[i]));
    const double PastHit = t.WaveR[i] - CentreToHit;
    const double HitWaveR = PastHit * fan.C2 / fan.C1;
    DrawSecondaryWavelet(fan, t, i, HitWaveR, surface);
}

}  // namespace orvath::wavelets
