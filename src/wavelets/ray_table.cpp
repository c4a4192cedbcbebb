// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavelets/ray_table.h"

#include <algorithm>
#include <cmath>

#include "wavelets/drawing.h"

namespace orvath::wavelets {

double TimeFromBar(const BarValues& bars) {
    return bars.time / 100.0;
}

Fan MakeFan(const Scene& scene) {
    Fan fan;
    fan.Pi = scene.pi;
    fan.AngleDeg = scene.bars.angle;
    fan.Theta = scene.theta;
    fan.SinTheta = scene.sinTheta;
    fan.CosTheta = std::cos(fan.Theta);
    fan.TanTheta = std::tan(fan.Theta);
    fan.Time = TimeFromBar(scene.bars);
    fan.NumWaves = scene.bars.waves;

    fan.Lambda1 = scene.lambda1;
    fan.C1 = scene.c1;
    fan.C2 = scene.c2;
    fan.Period = scene.period;
    fan.Periods = std::floor(fan.Time / fan.Period);
    fan.CriticalFlagSet = scene.critical;

    fan.SinRefr = scene.sinRefraction;
    if (fan.SinRefr < 1) {
        fan.CosRefr = std::sqrt(1 - Sq(fan.SinRefr));
        fan.TanRefr = fan.SinRefr / fan.CosRefr;
    }

    fan.XLeft = scene.xLeft;
    fan.XRight = scene.xRight;

    // The start front runs through the top-left corner; its ends are the feet
    // of the perpendiculars from the bottom-left and the top-right corners, so
    // the rays leaving it sweep the whole view.
    const double width = static_cast<double>(scene.xRight) - scene.xLeft;
    const double height = scene.yTop - scene.yBottom;
    const double s = fan.SinTheta;
    const double c = fan.CosTheta;
    fan.FrontX0 = scene.xLeft - height * s * c;
    fan.FrontY0 = scene.yBottom + height * Sq(c);
    fan.FrontX1 = scene.xLeft + width * Sq(c);
    fan.FrontY1 = scene.yTop + width * s * c;
    return fan;
}

RayTable::RayTable(int numWaves) {
    const auto size = static_cast<std::size_t>(numWaves) + 1;
    for (auto* array : {&FrontX, &FrontY, &HitX, &HitY, &HitTime, &HitWaves, &RayLength, &RefrX,
                        &RefrY, &WaveX, &WaveY, &WaveR, &RefrWaveX, &RefrWaveY, &RefrWaveR}) {
        array->assign(size, 0.0f);
    }
}

void PlaceRay(const Fan& fan, int i, RayTable& table) {
    auto& t = table;
    t.FrontX[i] = F(fan.FrontX0 + (fan.FrontX1 - fan.FrontX0) * i / fan.NumWaves);
    t.FrontY[i] = F(fan.FrontY0 + (fan.FrontY1 - fan.FrontY0) * i / fan.NumWaves);
    t.HitX[i] = F(t.FrontX[i] + t.FrontY[i] * fan.TanTheta);
    t.HitY[i] = t.FrontY[i] - t.FrontY[i];
    if (i == fan.NumWaves) {
        t.LastFrontX = t.FrontX[i];
        t.LastFrontY = t.FrontY[i];
    }

    // Signed distance along the ray from the start point to the hit point;
    // negative for rays that start below the boundary.
    const double toHit = t.FrontY[i] / fan.CosTheta;
    t.HitTime[i] = F(toHit / fan.C1);
    t.HitWaves[i] = F(std::floor(toHit / fan.Lambda1));

    if (fan.SinRefr < 1) {
        t.RayLength[i] = F(toHit);
        // The part of a wavelength the wave still had to go in medium 1 when
        // it reached the boundary, carried into medium 2.
        const float refrShift =
            F((1 - (t.RayLength[i] / fan.Lambda1 - t.HitWaves[i])) * fan.Lambda1 * fan.C2 / fan.C1);
        t.RefrX[i] = F(t.HitX[i] + fan.SinRefr * refrShift);
        t.RefrY[i] = F(-refrShift * fan.CosRefr);
    } else {
        t.RefrX[i] = t.HitX[i];
        t.RefrY[i] = t.HitY[i];
    }

    // The centre jumps one wavelength along the ray per period; the radius
    // grows continuously within the period.
    const double k = fan.Periods;
    t.WaveX[i] = F(t.FrontX[i] + fan.SinTheta * fan.Lambda1 * k);
    t.WaveY[i] = F(t.FrontY[i] - fan.CosTheta * fan.Lambda1 * k);
    t.WaveR[i] = F((fan.Time - fan.Period * k) * fan.C1);
}

RayPhase ChoosePhase(const Fan& fan, const RayTable& table, int i) {
    const float waveY = table.WaveY[i];
    const float waveR = table.WaveR[i];
    if (fan.Time < table.HitTime[i]) {
        return RayPhase::Approaching;
    }
    if (waveR < fan.Lambda1 && waveY > 0 && waveY < waveR) {
        return RayPhase::Crossing;
    }
    if (waveR > 0 && waveY < 0 && waveY < waveR) {
        return RayPhase::Refracted;
    }
    return RayPhase::Idle;
}

BoundaryCrossing CrossBoundary(const RayTable& t, int i) {
    BoundaryCrossing c;
    c.CrossX = t.WaveX[i] + std::sqrt(Sq(t.WaveR[i]) - Sq(t.WaveY[i]));
    // The run CrossX - WaveX is never negative; atan2 keeps the angle defined
    // where it rounds to 0.
    c.CrossAngle = std::atan2(t.WaveY[i], c.CrossX - t.WaveX[i]);
    return c;
}

namespace {

// Below the critical angle the refracted wavelet's centre moves along the
// refracted ray one medium-2 wavelength per period; beyond it the hit point's
// wavelet keeps growing.
void PlaceRefractedWavelet(const Fan& fan, int i, RayTable& t) {
    if (fan.SinRefr >= 1) {
        t.RefrWaveX[i] = t.HitX[i];
        t.RefrWaveY[i] = 0;
        t.RefrWaveR[i] = F((fan.Time - t.HitTime[i]) * fan.C2);
        return;
    }
    // RayLength is the distance to the hit point in single precision. Where
    // that rounding lands it exactly on a whole wavelength, Int() counts one
    // more than HitWaves, from which (RefrX, RefrY) was placed, and the centre
    // would go one wavelength back up the ray, above the boundary. The count
    // never exceeds HitWaves; everywhere else the two are equal.
    const double RayWaves =
        std::min(std::floor(t.RayLength[i] / fan.Lambda1), static_cast<double>(t.HitWaves[i]));
    // Whole periods since the refracted wavelet's centre stood at (RefrX, RefrY).
    const double m = fan.Periods - (RayWaves + 1);
    t.RefrWaveX[i] = F(t.RefrX[i] + fan.SinRefr * m * fan.Lambda1 * fan.C2 / fan.C1);
    t.RefrWaveY[i] = F(t.RefrY[i] - fan.CosRefr * m * fan.Lambda1 * fan.C2 / fan.C1);
    t.RefrWaveR[i] = F((fan.Time - fan.Period * fan.Periods) * fan.C2);
}

}  // namespace

void AdvanceRay(const Fan& fan, RayPhase phase, int i, RayTable& table) {
    if (phase == RayPhase::Refracted) {
        PlaceRefractedWavelet(fan, i, table);
        return;
    }
    // Once the last ray's wavelet sends a secondary wavelet below the
    // refracted front, its fronts are drawn from the start front's exact end.
    if (phase == RayPhase::Crossing && i == fan.NumWaves && fan.SinRefr < 1 &&
        !fan.NormalIncidence() && CrossBoundary(table, i).CrossX > table.HitX[i]) {
        table.LastFrontX = F(fan.FrontX1);
        table.LastFrontY = F(fan.FrontY1);
    }
}

}  // namespace orvath::wavelets
