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
    for (std::size_t i = 0; i < t.waveY.size(); ++i) {
        if (t.waveY[i] > 0) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// At normal incidence every front is parallel to the boundary and meets it
// nowhere: the fronts still in medium 1 are drawn across the whole view.
void DrawParallelFronts(const Fan& fan, const RayTable& t, Surface& surface) {
    const int n = fan.numWaves;
    const double leadY = t.waveY[n] - t.waveR[n] * fan.cosTheta;
    if (leadY > 0) {
        Segment(surface, fan.xLeft, leadY, fan.xRight, leadY);
    }
    for (int j = 0; j <= fan.periods; ++j) {
        const double frontEndY = t.lastFrontY - fan.cosTheta * fan.lambda1 * j;
        if (frontEndY > 0) {
            Segment(surface, fan.xLeft, frontEndY, fan.xRight, frontEndY);
        }
    }
}

// The current front through the leading point of the last wavelet, the line
// of the current centres, and below the critical angle their refracted
// continuations with the red line from ray 0's refracted wavelet.
void DrawCurrentFront(const Fan& fan, const RayTable& t, int firstAbove, Surface& surface) {
    const int n = fan.numWaves;
    const int a = firstAbove;
    // With only the last centre above the boundary the line of centres has a
    // single point and is not drawn.
    const bool centresDefined = a < n;
    double centreHitX = 0;
    if (centresDefined) {
        const float centreSlope = F((static_cast<double>(t.waveY[n]) - t.waveY[a]) /
                                    (static_cast<double>(t.waveX[n]) - t.waveX[a]));
        centreHitX = t.waveX[a] + (-static_cast<double>(t.waveY[a])) / centreSlope;
    }

    const double leadX = t.waveX[n] + t.waveR[n] * fan.sinTheta;
    const double leadY = t.waveY[n] - t.waveR[n] * fan.cosTheta;
    const double leadHitX = leadX - leadY / fan.tanTheta;
    Segment(surface, leadX, leadY, leadHitX, 0);

    if (fan.sinRefr < 1) {
        if (centresDefined) {
            Segment(surface, centreHitX - kCentreLineContinuation * fan.cosRefr,
                    -kCentreLineContinuation * fan.sinRefr, centreHitX, 0);
            Segment(surface, t.refrWaveX[0], t.refrWaveY[0], centreHitX, 0, kRed);
        }
        Segment(surface, leadHitX, 0, leadHitX - kFrontContinuation * fan.cosRefr,
                -kFrontContinuation * fan.sinRefr);
    }
    if (centresDefined) {
        Segment(surface, centreHitX, 0, t.waveX[n], t.waveY[n]);
    }
}

// The incident front at every whole period so far, each with its refracted
// continuation.
void DrawElapsedFronts(const Fan& fan, const RayTable& t, Surface& surface) {
    for (int j = 0; j <= fan.periods; ++j) {
        const double frontEndY = t.lastFrontY - fan.cosTheta * fan.lambda1 * j;
        const double frontEndX = t.lastFrontX + fan.sinTheta * fan.lambda1 * j;
        const double frontCutX = frontEndX - frontEndY / fan.tanTheta;
        Segment(surface, frontEndX, frontEndY, frontCutX, 0);
        if (fan.sinRefr <= 1) {
            Segment(surface, frontCutX, 0, frontCutX - kFrontContinuation * fan.cosRefr,
                    -kFrontContinuation * fan.sinRefr);
        }
    }
}

}  // namespace

void DrawClosingStage(const Fan& fan, const RayTable& table, Surface& surface) {
    surface.DrawStyle(LineStyle::Dashed);
    if (fan.NormalIncidence()) {
        DrawParallelFronts(fan, table, surface);
    } else {
        if (const auto firstAbove = FindFirstAbove(table)) {
            DrawCurrentFront(fan, table, *firstAbove, surface);
        }
        DrawElapsedFronts(fan, table, surface);
    }
    surface.DrawStyle(LineStyle::Solid);
}

}  // namespace orvath::wavelets
