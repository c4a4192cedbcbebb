// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "wavelets/drawing.h"
#include "wavelets/phases.h"

namespace orvath::wavelets {

namespace {

// Below the critical angle: the refracted wavelet with its centre dot, and
// the ray up to that centre.
void DrawRefractedWavelet(const Fan& fan, const RayTable& t, int i, Surface& surface) {
    WideDot(surface, 5, t.RefrWaveX[i], t.RefrWaveY[i], kMagenta);
    const double ThetaRefr = std::atan(fan.TanRefr);

    const double x = t.RefrWaveX[i];
    const double y = t.RefrWaveY[i];
    const double r = t.RefrWaveR[i];
    // The forward half is highest at its end, at angle ThetaRefr.
    if (y + fan.SinRefr * r < 0) {
        Arc(surface, x, y, r, fan.Pi + ThetaRefr, 2 * fan.Pi);
        Arc(surface, x, y, r, 0, ThetaRefr);
    } else {
        // The forward half reaches above the boundary: its second arc stops
        // where the circle meets the boundary.
        const double RefrCrossX = x + std::sqrt(Sq(r) - Sq(y));
        const double RefrCrossAngle = std::atan2(std::fabs(y), RefrCrossX - x);
        Arc(surface, x, y, r, fan.Pi + ThetaRefr, 2 * fan.Pi);
        Arc(surface, x, y, r, 0, RefrCrossAngle, kBlack);
    }

    surface.Line(t.FrontX[i], t.FrontY[i], t.HitX[i], t.HitY[i], kForeground);
    surface.LineTo(t.RefrWaveX[i], t.RefrWaveY[i], kForeground);
}

}  // namespace

void DrawRefractedPhase(const Fan& fan, const RayTable& table, int i, Surface& surface) {
    if (fan.SinRefr < 1) {
        DrawRefractedWavelet(fan, table, i, surface);
        return;
    }
    // At or beyond the critical angle nothing is refracted: the hit point's
    // wavelet keeps growing as a lower half circle.
    Arc(surface, table.RefrWaveX[i], table.RefrWaveY[i], table.RefrWaveR[i], fan.Pi, 2 * fan.Pi);
}

}  // namespace orvath::wavelets
