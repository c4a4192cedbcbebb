// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavelets/ray_table.h"

#include <cmath>

#include "wavelets/drawing.h"

namespace orvath::wavelets {

double TimeFromBar(const BarValues& bars) {
    return bars.xronos / 100.0;
}

Scene MakeScene(const SimulationState& state, const BarValues& bars) {
    Scene scene;
    scene.Pi = state.Pi;
    scene.AngleDeg = bars.prosptosis;
    scene.Theta = scene.Pi * scene.AngleDeg / 180;
    scene.SinTheta = std::sin(scene.Theta);
    scene.CosTheta = std::cos(scene.Theta);
    scene.TanTheta = std::tan(scene.Theta);
    scene.Time = TimeFromBar(bars);
    scene.NumWaves = bars.arithkyMATON;

    scene.Lambda1 = state.Lambda1;
    scene.C1 = state.C1;
    scene.C2 = state.C2;
    scene.T = state.T;
    scene.Periods = std::floor(scene.Time / scene.T);
    scene.CriticalFlagSet = state.CriticalFlag == -1;

    scene.XLeft = state.XLeft;
    scene.XRight = state.XRight;

    // The start front runs through the top-left corner; its ends are the feet
    // of the perpendiculars from the bottom-left and the top-right corners, so
    // the rays leaving it sweep the whole view.
    const double width = static_cast<double>(state.XRight) - state.XLeft;
    const double height = state.YTop - state.YBottom;
    const double s = scene.SinTheta;
    const double c = scene.CosTheta;
    scene.FrontX0 = state.XLeft - height * s * c;
    scene.FrontY0 = state.YBottom + height * Sq(c);
    scene.FrontX1 = state.XLeft + width * Sq(c);
    scene.FrontY1 = state.YTop + width * s * c;
    return scene;
}

RayTable::RayTable(int numWaves) {
    const auto size = static_cast<std::size_t>(numWaves) + 1;
    for (auto* array : {&FrontX, &FrontY, &HitX, &HitY, &HitTime, &HitWaves, &RefrX, &RefrY, &WaveX,
                        &WaveY, &WaveR, &RefrWaveX, &RefrWaveY, &RefrWaveR}) {
        array->assign(size, 0.0f);
    }
}

void PlaceRay(const Scene& scene, int i, RayTable& table, PassScalars& scalars) {
    auto& t = table;
    t.FrontX[i] = F(scene.FrontX0 + (scene.FrontX1 - scene.FrontX0) * i / scene.NumWaves);
    t.FrontY[i] = F(scene.FrontY0 + (scene.FrontY1 - scene.FrontY0) * i / scene.NumWaves);
    t.HitX[i] = F(t.FrontX[i] + t.FrontY[i] * scene.TanTheta);
    t.HitY[i] = t.FrontY[i] - t.FrontY[i];

    // Signed distance along the ray from the start point to the hit point;
    // negative for rays that start below the boundary.
    const double toHit = t.FrontY[i] / scene.CosTheta;
    t.HitTime[i] = F(toHit / scene.C1);
    t.HitWaves[i] = F(std::floor(toHit / scene.Lambda1));

    scalars.SinRefr = scene.SinTheta * scene.C2 / scene.C1;
    if (scalars.SinRefr < 1) {
        scalars.CosRefr = std::sqrt(1 - Sq(scalars.SinRefr));
        scalars.RayLength = F(toHit);
        // The part of a wavelength the wave still had to go in medium 1 when
        // it reached the boundary, carried into medium 2.
        scalars.RefrShift = F((1 - (scalars.RayLength / scene.Lambda1 - t.HitWaves[i])) *
                              scene.Lambda1 * scene.C2 / scene.C1);
        t.RefrX[i] = F(t.HitX[i] + scalars.SinRefr * scalars.RefrShift);
        t.RefrY[i] = F(-scalars.RefrShift * scalars.CosRefr);
    } else {
        t.RefrX[i] = t.HitX[i];
        t.RefrY[i] = t.HitY[i];
    }

    // The centre jumps one wavelength along the ray per period; the radius
    // grows continuously within the period.
    const double k = scene.Periods;
    t.WaveX[i] = F(t.FrontX[i] + scene.SinTheta * scene.Lambda1 * k);
    t.WaveY[i] = F(t.FrontY[i] - scene.CosTheta * scene.Lambda1 * k);
    t.WaveR[i] = F((scene.Time - scene.T * k) * scene.C1);
}

RayPhase ChoosePhase(const Scene& scene, const RayTable& table, int i) {
    const float waveY = table.WaveY[i];
    const float waveR = table.WaveR[i];
    if (scene.Time < table.HitTime[i]) {
        return RayPhase::Approaching;
    }
    if (waveR < scene.Lambda1 && waveY > 0 && waveY < waveR) {
        return RayPhase::Crossing;
    }
    if (waveR > 0 && waveY < 0 && waveY < waveR) {
        return RayPhase::Refracted;
    }
    return RayPhase::Idle;
}

}  // namespace orvath::wavelets
