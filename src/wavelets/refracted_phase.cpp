// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "wavelets/drawing.h"
#include "wavelets/phases.h"

namespace orvath::wavelets {

namespace {

// Below the critical angle: the wavelet whose centre moves along the refracted
// ray one medium-2 wavelength per period, and the ray up to that centre.
void DrawRefractedWavelet(const Scene& scene, RayTable& t, int i, PassScalars& scalars,
                          Surface& surface) {
    const double SinRefr = scalars.SinRefr;
    const double CosRefr = std::sqrt(1 - Sq(SinRefr));
    scalars.CosRefr = CosRefr;
    scalars.TanRefr = SinRefr / CosRefr;
    // RayLength is the distance to the hit point in single precision. Where
    // that rounding lands it exactly on a whole wavelength, Int() counts one
    // more than HitWaves, from which (RefrX, RefrY) was placed, and the centre
    // would go one wavelength back up the ray, above the boundary. The count
    // never exceeds HitWaves; everywhere else the two are equal.
    const double RayWaves =
        std::min(std::floor(scalars.RayLength / scene.Lambda1), static_cast<double>(t.HitWaves[i]));

    // Whole periods since the refracted wavelet's centre stood at (RefrX, RefrY).
    const double k = scene.Periods;
    const double m = k - (RayWaves + 1);
    t.RefrWaveX[i] = F(t.RefrX[i] + SinRefr * m * scene.Lambda1 * scene.C2 / scene.C1);
    t.RefrWaveY[i] = F(t.RefrY[i] - CosRefr * m * scene.Lambda1 * scene.C2 / scene.C1);
    WideDot(surface, 5, t.RefrWaveX[i], t.RefrWaveY[i], kMagenta);

    t.RefrWaveR[i] = F((scene.Time - scene.T * k) * scene.C2);
    const double ThetaRefr = std::atan(scalars.TanRefr);

    const double x = t.RefrWaveX[i];
    const double y = t.RefrWaveY[i];
    const double r = t.RefrWaveR[i];
    // The forward half is highest at its end, at angle ThetaRefr.
    if (y + SinRefr * r < 0) {
        Arc(surface, x, y, r, scene.Pi + ThetaRefr, 2 * scene.Pi);
        Arc(surface, x, y, r, 0, ThetaRefr);
    } else {
        // The forward half reaches above the boundary: its second arc stops
        // where the circle meets the boundary.
        const double RefrCrossX = x + std::sqrt(Sq(r) - Sq(y));
        const double RefrCrossAngle = std::atan2(std::fabs(y), RefrCrossX - x);
        Arc(surface, x, y, r, scene.Pi + ThetaRefr, 2 * scene.Pi);
        Arc(surface, x, y, r, 0, RefrCrossAngle, kBlack);
    }

    surface.Line(t.FrontX[i], t.FrontY[i], t.HitX[i], t.HitY[i], kForeground);
    surface.LineTo(t.RefrWaveX[i], t.RefrWaveY[i], kForeground);
}

// At or beyond the critical angle: nothing is refracted, the hit point's
// wavelet keeps growing as a lower half circle.
void DrawTotalReflectionWavelet(const Scene& scene, RayTable& t, int i, Surface& surface) {
    t.RefrWaveX[i] = t.HitX[i];
    t.RefrWaveY[i] = 0;
    t.RefrWaveR[i] = F((scene.Time - t.HitTime[i]) * scene.C2);
    Arc(surface, t.RefrWaveX[i], t.RefrWaveY[i], t.RefrWaveR[i], scene.Pi, 2 * scene.Pi);
}

}  // namespace

void DrawRefractedPhase(const Scene& scene, RayTable& table, int i, PassScalars& scalars,
                        Surface& surface) {
    scalars.SinRefr = scene.SinTheta * scene.C2 / scene.C1;
    if (scalars.SinRefr < 1) {
        DrawRefractedWavelet(scene, table, i, scalars, surface);
    } else {
        DrawTotalReflectionWavelet(scene, table, i, surface);
    }
}

}  // namespace orvath::wavelets
