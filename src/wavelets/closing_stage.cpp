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
void DrawParallelFronts(const Fan& fan, const RayTable& t, Surface& surface) {
    const int n = fan.NumWaves;
    const double LeadY = t.WaveY[n] - t.WaveR[n] * fan.CosTheta;
    if (LeadY > 0) {
        Segment(surface, fan.XLeft, LeadY, fan.XRight, LeadY);
    }
    for (int j = 0; j <= fan.Periods; ++j) {
        const double FrontEndY = t.LastFrontY - fan.CosTheta * fan.Lambda1 * j;
        if (FrontEndY > 0) {
            Segment(surface, fan.XLeft, FrontEndY, fan.XRight, FrontEndY);
        }
    }
}

// The current front through the leading point of the last wavelet, the line
// of the current centres, and below the critical angle their refracted
// continuations with the red line from ray 0's refracted wavelet.
void DrawCurrentFront(const Fan& fan, const RayTable& t, int FirstAbove, Surface& surface) {
    const int n = fan.NumWaves;
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

    const double LeadX = t.WaveX[n] + t.WaveR[n] * fan.SinTheta;
    const double LeadY = t.WaveY[n] - t.WaveR[n] * fan.CosTheta;
    const double LeadHitX = LeadX - LeadY / fan.TanTheta;
    Segment(surface, LeadX, LeadY, LeadHitX, 0);

    if (fan.SinRefr < 1) {
        if (centresDefined) {
            Segment(surface, CentreHitX - kCentreLineContinuation * fan.CosRefr,
                    -kCentreLineContinuation * fan.SinRefr, CentreHitX, 0);
            Segment(surface, t.RefrWaveX[0], t.RefrWaveY[0], CentreHitX, 0, kRed);
        }
        Segment(surface, LeadHitX, 0, LeadHitX - kFrontContinuation * fan.CosRefr,
                -kFrontContinuation * fan.SinRefr);
    }
    if (centresDefined) {
        Segment(surface, CentreHitX, 0, t.WaveX[n], t.WaveY[n]);
    }
}

// The incident front at every whole period so far, each with its refracted
// continuation.
void DrawElapsedFronts(const Fan& fan, const RayTable& t, Surface& surface) {
    for (int j = 0; j <= fan.Periods; ++j) {
        const double FrontEndY = t.LastFrontY - fan.CosTheta * fan.Lambda1 * j;
        const double FrontEndX = t.LastFrontX + fan.SinTheta * fan.Lambda1 * j;
        const double FrontCutX = FrontEndX - FrontEndY / fan.TanTheta;
        Segment(surface, FrontEndX, FrontEndY, FrontCutX, 0);
        if (fan.SinRefr <= 1) {
            Segment(surface, FrontCutX, 0, FrontCutX - kFrontContinuation * fan.CosRefr,
                    -kFrontContinuation * fan.SinRefr);
        }
    }
}

}  // namespace

void DrawClosingStage(const Fan& fan, const RayTable& table, Surface& surface) {
    surface.DrawStyle(LineStyle::Dashed);
    if (fan.NormalIncidence()) {
        DrawParallelFronts(fan, table, surface);
    } else {
        if (const auto FirstAbove = FindFirstAbove(table)) {
            DrawCurrentFront(fan, table, *FirstAbove, surface);
        }
        DrawElapsedFronts(fan, table, surface);
    }
    surface.DrawStyle(LineStyle::Solid);
}

}  // namespace orvath::wavelets
