// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "wavelets/drawing.h"
#include "wavelets/phases.h"
#include "wavelets/tangent_point.h"

namespace orvath::wavelets {

namespace {

// Where the incident wavelet's circle meets the boundary on the right of its
// centre, and the angle of that point below the horizontal.
struct BoundaryCrossing {
    double CrossX = 0;
    double CrossAngle = 0;
};

BoundaryCrossing CrossBoundary(const RayTable& t, int i) {
    BoundaryCrossing c;
    c.CrossX = t.WaveX[i] + std::sqrt(Sq(t.WaveR[i]) - Sq(t.WaveY[i]));
    // The run CrossX - WaveX is never negative; atan2 keeps the angle defined
    // where it rounds to 0.
    c.CrossAngle = std::atan2(t.WaveY[i], c.CrossX - t.WaveX[i]);
    return c;
}

// The part of the forward half of the incident wavelet above the boundary,
// right of its centre, in red.
void DrawForwardHalfAboveBoundary(const Scene& scene, const RayTable& t, int i,
                                  const BoundaryCrossing& crossing, Surface& surface) {
    Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], 2 * scene.Pi - crossing.CrossAngle,
        2 * scene.Pi, kRed);
    Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], 0, scene.Theta, kRed);
}

// The secondary wavelet about the hit point, from the point where the
// refracted front touches it round the bottom to the boundary on the right.
void DrawSecondaryWavelet(const Scene& scene, RayTable& t, int i, PassScalars& scalars,
                          double HitWaveR, Surface& surface) {
    const double hitX = t.HitX[i];
    const auto lowerHalf = [&] { Arc(surface, hitX, 0, HitWaveR, scene.Pi, 2 * scene.Pi); };

    scalars.SinRefr = scene.SinTheta * scene.C2 / scene.C1;
    if (scalars.SinRefr >= 1) {
        lowerHalf();
        return;
    }
    scalars.CosRefr = std::sqrt(1 - Sq(scalars.SinRefr));
    if (!scene.CriticalFlagSet) {
        scalars.TanRefr = scalars.SinRefr / scalars.CosRefr;
    }

    TangentPoint tangent{hitX - HitWaveR, 0, false};
    // At normal incidence every front is parallel to the boundary and the
    // refracted front is horizontal: it touches the wavelet on the boundary.
    if (!scene.NormalIncidence()) {
        const int n = scene.NumWaves;
        t.FrontX[n] = F(scene.FrontX1);
        t.FrontY[n] = F(scene.FrontY1);
        const double FrontEndY = t.FrontY[n] - scene.CosTheta * scene.Lambda1 * scene.Periods;
        const double FrontEndX = t.FrontX[n] + scene.SinTheta * scene.Lambda1 * scene.Periods;
        const double FrontCutX = FrontEndX - FrontEndY / scene.TanTheta;

        const auto found =
            FindTangentPoint({hitX, HitWaveR, FrontCutX, scalars.TanRefr, scene.CriticalFlagSet});
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
    Arc(surface, hitX, 0, HitWaveR, scene.Pi + TangentAngle, 2 * scene.Pi);
}

}  // namespace

void DrawBoundaryAndHitDot(const Scene& scene, const RayTable& table, int i, Surface& surface) {
    surface.Line(scene.XLeft, 0, scene.XRight, 0, kForeground);
    WideDot(surface, 5, table.HitX[i], table.HitY[i], kRed);
}

void DrawApproachingPhase(const Scene& scene, const RayTable& t, int i, Surface& surface) {
    WideDot(surface, 5, t.WaveX[i], t.WaveY[i], kBlue);
    if (Sq(t.WaveY[i]) - Sq(t.WaveR[i]) > 0) {
        surface.Line(t.FrontX[i], t.FrontY[i], t.HitX[i], t.HitY[i], kIncidentRayPink);
        Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], scene.Pi + scene.Theta, 2 * scene.Pi);
        Arc(surface, t.WaveX[i], t.WaveY[i], t.WaveR[i], 0, scene.Theta);
        return;
    }
    // The wavelet already reaches the boundary line although the front has
    // not: only its part above the line is shown, and no ray.
    DrawForwardHalfAboveBoundary(scene, t, i, CrossBoundary(t, i), surface);
}

void DrawCrossingPhase(const Scene& scene, RayTable& t, int i, PassScalars& scalars,
                       Surface& surface) {
    const BoundaryCrossing crossing = CrossBoundary(t, i);
    DrawForwardHalfAboveBoundary(scene, t, i, crossing, surface);
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
    const double HitWaveR = PastHit * scene.C2 / scene.C1;
    DrawSecondaryWavelet(scene, t, i, scalars, HitWaveR, surface);
}

}  // namespace orvath::wavelets
