// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/simulation_state.h"

namespace orvath::wavelets {

// Everything one call of DrawWavelets reads once and keeps fixed: the bars,
// the shared constants and the ends of the start front.
struct Scene {
    double Pi = 0;
    int AngleDeg = 0;
    double Theta = 0;  // angle of incidence from the normal, radians
    double SinTheta = 0;
    double CosTheta = 0;
    double TanTheta = 0;
    double Time = 0;  // in the unit of T
    int NumWaves = 0;
    double Periods = 0;  // Int(Time / T), whole periods elapsed

    double Lambda1 = 0;
    double C1 = 0;
    double C2 = 0;
    double T = 0;
    bool CriticalFlagSet = false;

    float XLeft = 0;
    float XRight = 0;

    // Ends of the start front, the incident front through the top-left corner.
    double FrontX0 = 0;
    double FrontY0 = 0;
    double FrontX1 = 0;
    double FrontY1 = 0;

    bool NormalIncidence() const { return AngleDeg == 0; }
};

// Time in the unit of T, from the time bar.
double TimeFromBar(const BarValues& bars);

// Reads the scene from the state (with Pi and T already rewritten) and the bars.
Scene MakeScene(const SimulationState& state, const BarValues& bars);

// One element per ray, 0 to NumWaves, in single precision. Fresh and
// zero-filled for every call.
struct RayTable {
    explicit RayTable(int numWaves);

    std::vector<float> FrontX, FrontY;
    std::vector<float> HitX, HitY;
    std::vector<float> HitTime;
    std::vector<float> HitWaves;
    std::vector<float> RefrX, RefrY;
    std::vector<float> WaveX, WaveY, WaveR;
    std::vector<float> RefrWaveX, RefrWaveY, RefrWaveR;
};

// Scalars that one pass leaves for the next passes and the closing stage.
// They start at 0 on every call.
struct PassScalars {
    double SinRefr = 0;
    double CosRefr = 0;
    double TanRefr = 0;
    float RayLength = 0;
    float RefrShift = 0;
};

// Fills element i of the ray table: start point, hit point, hit time, the
// first whole-period point of the refracted ray and the current incident
// wavelet. Draws nothing.
void PlaceRay(const Scene& scene, int i, RayTable& table, PassScalars& scalars);

enum class RayPhase {
    Approaching,  // the incident front has not yet reached the boundary
    Crossing,     // the wavelet's centre is above the boundary, the wavelet reaches below
    Refracted,    // the wavelet's centre has passed into medium 2
    Idle,         // nothing more to draw for this ray
};

RayPhase ChoosePhase(const Scene& scene, const RayTable& table, int i);

}  // namespace orvath::wavelets
