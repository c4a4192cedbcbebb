// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "wavelets/drawing.h"
#include "wavelets/phases.h"

namespace orvath::wavelets {

namespace {

// Below the critical angle: the refracted wavelet with its centre dot, and
// the ray up to that centre.
void DrawRefractedWavelet(const Fan& fan, const RayTable& t, int i, Surface& surface) {
    WideDot(surface, 5, t.refrWaveX[i], t.refrWaveY[i], kMagenta);
    const double thetaRefr = std::atan(fan.tanRefr);

    const double x = t.refrWaveX[i];
    const double y = t.refrWaveY[i];
    const double r = t.refrWaveR[i];
    // The forward half is highest at its end, at angle ThetaRefr.
    if (y + fan.sinRefr * r < 0) {
        Arc(surface, x, y, r, fan.pi + thetaRefr, 2 * fan.pi);
        Arc(surface, x, y, r, 0, thetaRefr);
    } else {
        // The forward half reaches above the boundary: its second arc stops
        // where the circle meets the boundary.
        const double refrCrossX = x + std::sqrt(Sq(r) - Sq(y));
        const double refrCrossAngle = std::atan2(std::fabs(y), refrCrossX - x);
        Arc(surface, x, y, r, fan.pi + thetaRefr, 2 * fan.pi);
        Arc(surface, x, y, r, 0, refrCrossAngle, kBlack);
    }

    surface.Line(t.frontX[i], t.frontY[i], t.hitX[i], t.hitY[i], kForeground);
    surface.LineTo(t.refrWaveX[i], t.refrWaveY[i], kForeground);
}

}  // namespace

void DrawRefractedPhase(const Fan& fan, const RayTable& table, int i, Surface& surface) {
    if (fan.sinRefr < 1) {
        DrawRefractedWavelet(fan, table, i, surface);
        return;
    }
    // At or beyond the critical angle nothing is refracted: the hit point's
    // wavelet keeps growing as a lower half circle.
    Arc(surface, table.refrWaveX[i], table.refrWaveY[i], table.refrWaveR[i], fan.pi, 2 * fan.pi);
}

}  // namespace orvath::wavelets
