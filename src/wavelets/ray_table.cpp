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
    fan.pi = scene.pi;
    fan.angleDeg = scene.bars.angle;
    fan.theta = scene.theta;
    fan.sinTheta = scene.sinTheta;
    fan.cosTheta = std::cos(fan.theta);
    fan.tanTheta = std::tan(fan.theta);
    fan.time = TimeFromBar(scene.bars);
    fan.numWaves = scene.bars.waves;

    fan.lambda1 = scene.lambda1;
    fan.c1 = scene.c1;
    fan.c2 = scene.c2;
    fan.period = scene.period;
    fan.periods = std::floor(fan.time / fan.period);
    fan.criticalFlagSet = scene.Critical();

    fan.sinRefr = scene.sinRefraction;
    if (fan.sinRefr < 1) {
        fan.cosRefr = std::sqrt(1 - Sq(fan.sinRefr));
        fan.tanRefr = fan.sinRefr / fan.cosRefr;
    }

    fan.xLeft = scene.xLeft;
    fan.xRight = scene.xRight;

    // The start front runs through the top-left corner; its ends are the feet
    // of the perpendiculars from the bottom-left and the top-right corners, so
    // the rays leaving it sweep the whole view.
    const double width = static_cast<double>(scene.xRight) - scene.xLeft;
    const double height = scene.yTop - scene.yBottom;
    const double s = fan.sinTheta;
    const double c = fan.cosTheta;
    fan.frontX0 = scene.xLeft - height * s * c;
    fan.frontY0 = scene.yBottom + height * Sq(c);
    fan.frontX1 = scene.xLeft + width * Sq(c);
    fan.frontY1 = scene.yTop + width * s * c;
    return fan;
}

RayTable::RayTable(int numWaves) {
    const auto size = static_cast<std::size_t>(numWaves) + 1;
    for (auto* array : {&frontX, &frontY, &hitX, &hitY, &hitTime, &hitWaves, &rayLength, &refrX,
                        &refrY, &waveX, &waveY, &waveR, &refrWaveX, &refrWaveY, &refrWaveR}) {
        array->assign(size, 0.0f);
    }
}

void PlaceRay(const Fan& fan, int i, RayTable& table) {
    auto& t = table;
    t.frontX[i] = F(fan.frontX0 + (fan.frontX1 - fan.frontX0) * i / fan.numWaves);
    t.frontY[i] = F(fan.frontY0 + (fan.frontY1 - fan.frontY0) * i / fan.numWaves);
    t.hitX[i] = F(t.frontX[i] + t.frontY[i] * fan.tanTheta);
    t.hitY[i] = t.frontY[i] - t.frontY[i];
    if (i == fan.numWaves) {
        t.lastFrontX = t.frontX[i];
        t.lastFrontY = t.frontY[i];
    }

    // Signed distance along the ray from the start point to the hit point;
    // negative for rays that start below the boundary.
    const double toHit = t.frontY[i] / fan.cosTheta;
    t.hitTime[i] = F(toHit / fan.c1);
    t.hitWaves[i] = F(std::floor(toHit / fan.lambda1));

    if (fan.sinRefr < 1) {
        t.rayLength[i] = F(toHit);
        // The part of a wavelength the wave still had to go in medium 1 when
        // it reached the boundary, carried into medium 2.
        const float refrShift =
            F((1 - (t.rayLength[i] / fan.lambda1 - t.hitWaves[i])) * fan.lambda1 * fan.c2 / fan.c1);
        t.refrX[i] = F(t.hitX[i] + fan.sinRefr * refrShift);
        t.refrY[i] = F(-refrShift * fan.cosRefr);
    } else {
        t.refrX[i] = t.hitX[i];
        t.refrY[i] = t.hitY[i];
    }

    // The centre jumps one wavelength along the ray per period; the radius
    // grows continuously within the period.
    const double k = fan.periods;
    t.waveX[i] = F(t.frontX[i] + fan.sinTheta * fan.lambda1 * k);
    t.waveY[i] = F(t.frontY[i] - fan.cosTheta * fan.lambda1 * k);
    t.waveR[i] = F((fan.time - fan.period * k) * fan.c1);
}

RayPhase ChoosePhase(const Fan& fan, const RayTable& table, int i) {
    const float waveY = table.waveY[i];
    const float waveR = table.waveR[i];
    if (fan.time < table.hitTime[i]) {
        return RayPhase::Approaching;
    }
    if (waveR < fan.lambda1 && waveY > 0 && waveY < waveR) {
        return RayPhase::Crossing;
    }
    if (waveR > 0 && waveY < 0 && waveY < waveR) {
        return RayPhase::Refracted;
    }
    return RayPhase::Idle;
}

BoundaryCrossing CrossBoundary(const RayTable& t, int i) {
    BoundaryCrossing c;
    c.crossX = t.waveX[i] + std::sqrt(Sq(t.waveR[i]) - Sq(t.waveY[i]));
    // The run CrossX - WaveX is never negative; atan2 keeps the angle defined
    // where it rounds to 0.
    c.crossAngle = std::atan2(t.waveY[i], c.crossX - t.waveX[i]);
    return c;
}

namespace {

// Below the critical angle the refracted wavelet's centre moves along the
// refracted ray one medium-2 wavelength per period; beyond it the hit point's
// wavelet keeps growing.
void PlaceRefractedWavelet(const Fan& fan, int i, RayTable& t) {
    if (fan.sinRefr >= 1) {
        t.refrWaveX[i] = t.hitX[i];
        t.refrWaveY[i] = 0;
        t.refrWaveR[i] = F((fan.time - t.hitTime[i]) * fan.c2);
        return;
    }
    // RayLength is the distance to the hit point in single precision. Where
    // that rounding lands it exactly on a whole wavelength, Int() counts one
    // more than HitWaves, from which (RefrX, RefrY) was placed, and the centre
    // would go one wavelength back up the ray, above the boundary. The count
    // never exceeds HitWaves; everywhere else the two are equal.
    const double rayWaves =
        std::min(std::floor(t.rayLength[i] / fan.lambda1), static_cast<double>(t.hitWaves[i]));
    // Whole periods since the refracted wavelet's centre stood at (RefrX, RefrY).
    const double m = fan.periods - (rayWaves + 1);
    t.refrWaveX[i] = F(t.refrX[i] + fan.sinRefr * m * fan.lambda1 * fan.c2 / fan.c1);
    t.refrWaveY[i] = F(t.refrY[i] - fan.cosRefr * m * fan.lambda1 * fan.c2 / fan.c1);
    t.refrWaveR[i] = F((fan.time - fan.period * fan.periods) * fan.c2);
}

}  // namespace

void AdvanceRay(const Fan& fan, RayPhase phase, int i, RayTable& table) {
    if (phase == RayPhase::Refracted) {
        PlaceRefractedWavelet(fan, i, table);
        return;
    }
    // Once the last ray's wavelet sends a secondary wavelet below the
    // refracted front, its fronts are drawn from the start front's exact end.
    if (phase == RayPhase::Crossing && i == fan.numWaves && fan.sinRefr < 1 &&
        !fan.NormalIncidence() && CrossBoundary(table, i).crossX > table.hitX[i]) {
        table.lastFrontX = F(fan.frontX1);
        table.lastFrontY = F(fan.frontY1);
    }
}

}  // namespace orvath::wavelets
