// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <optional>

#include "wavelets/drawing.h"
#include "wavelets/phases.h"

namespace orvath::wavelets {

namespace {

// Lengths of the refracted continuations drawn below the boundary, in world
// units (the view is 200 high).
constexpr double kCentreLineContinuation = 220;
constexpr double kFrontContinuation = 300;

// The first ray whose current wavelet centre is still above the boundary.
std::optional<int> FindFirstAbove(const RayTable& t) {
    for (std::size_t i = 0; i < t.WaveY.size(); ++i) {
        if (t.WaveY[i] > 0) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// At normal incidence every front is parallel to the boundary and meets it
// nowhere: the fronts still in medium 1 are drawn across the whole view.
void DrawParallelFronts(const Scene& scene, const RayTable& t, Surface& surface) {
    const int n = scene.NumWaves;
    const double LeadY = t.WaveY[n] - t.WaveR[n] * scene.CosTheta;
    if (LeadY > 0) {
        Segment(surface, scene.XLeft, LeadY, scene.XRight, LeadY);
    }
    for (int j = 0; j <= scene.Periods; ++j) {
        const double FrontEndY = t.FrontY[n] - scene.CosTheta * scene.Lambda1 * j;
        if (FrontEndY > 0) {
            Segment(surface, scene.XLeft, FrontEndY, scene.XRight, FrontEndY);
        }
    }
}

// The current front through the leading point of the last wavelet, the line
// of the current centres, and below the critical angle their refracted
// continuations with the red line from ray 0's refracted wavelet.
void DrawCurrentFront(const Scene& scene, const RayTable& t, int FirstAbove, double& SinRefr,
                      double& CosRefr, Surface& surface) {
    const int n = scene.NumWaves;
    const int a = FirstAbove;
    // With only the last centre above the boundary the line of centres has a
    // single point and is not drawn.
    const bool centresDefined = a < n;
    double CentreHitX = 0;
    if (centresDefined) {
        const float CentreSlope = F((static_cast<double>(t.WaveY[n]) - t.WaveY[a]) /
                                    (static_cast<double>(t.WaveX[n]) - t.WaveX[a]));
        CentreHitX = t.WaveX[a] + (-static_cast<double>(t.WaveY[a])) / CentreSlope;
    }

    SinRefr = scene.C2 * scene.SinTheta / scene.C1;

    const double LeadX = t.WaveX[n] + t.WaveR[n] * scene.SinTheta;
    const double LeadY = t.WaveY[n] - t.WaveR[n] * scene.CosTheta;
    const double LeadHitX = LeadX - LeadY / scene.TanTheta;
    Segment(surface, LeadX, LeadY, LeadHitX, 0);

    if (SinRefr < 1) {
        CosRefr = std::sqrt(1 - Sq(SinRefr));
        if (centresDefined) {
            Segment(surface, CentreHitX - kCentreLineContinuation * CosRefr,
                    -kCentreLineContinuation * SinRefr, CentreHitX, 0);
            Segment(surface, t.RefrWaveX[0], t.RefrWaveY[0], CentreHitX, 0, kRed);
        }
        Segment(surface, LeadHitX, 0, LeadHitX - kFrontContinuation * CosRefr,
                -kFrontContinuation * SinRefr);
    }
    if (centresDefined) {
        Segment(surface, CentreHitX, 0, t.WaveX[n], t.WaveY[n]);
    }
}

// The incident front at every whole period so far, each with its refracted
// continuation.
void DrawElapsedFronts(const Scene& scene, const RayTable& t, double SinRefr, double CosRefr,
                       Surface& surface) {
    const int n = scene.NumWaves;
    for (int j = 0; j <= scene.Periods; ++j) {
        const double FrontEndY = t.FrontY[n] - scene.CosTheta * scene.Lambda1 * j;
        const double FrontEndX = t.FrontX[n] + scene.SinTheta * scene.Lambda1 * j;
        const double FrontCutX = FrontEndX - FrontEndY / scene.TanTheta;
        Segment(surface, FrontEndX, FrontEndY, FrontCutX, 0);
        if (SinRefr <= 1) {
            Segment(surface, FrontCutX, 0, FrontCutX - kFrontContinuation * CosRefr,
                    -kFrontContinuation * SinRefr);
        }
    }
}

}  // namespace

void DrawClosingStage(const Scene& scene, const RayTable& table, const PassScalars& scalars,
                      Surface& surface) {
    surface.DrawStyle(LineStyle::Dashed);
    if (scene.NormalIncidence()) {
        DrawParallelFronts(scene, table, surface);
    } else {
        double SinRefr = scalars.SinRefr;
        double CosRefr = scalars.CosRefr;
        if (const auto FirstAbove = FindFirstAbove(table)) {
            DrawCurrentFront(scene, table, *FirstAbove, SinRefr, CosRefr, surface);
        }
        DrawElapsedFronts(scene, table, SinRefr, CosRefr, surface);
    }
    surface.DrawStyle(LineStyle::Solid);
}

}  // namespace orvath::wavelets
