// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/scene.h"

namespace orvath::wavelets {

// The fan of parallel rays that one wavelet picture follows: the scene's
// values in the form the picture uses them, read once per redraw.
struct Fan {
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
    double Period = 0;
    bool CriticalFlagSet = false;

    // Snell's law: SinRefr = sin(Theta) C2 / C1; CosRefr and TanRefr of the
    // angle of refraction while SinRefr < 1, else 0.
    double SinRefr = 0;
    double CosRefr = 0;
    double TanRefr = 0;

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

Fan MakeFan(const Scene& scene);

// One element per ray, 0 to NumWaves, in single precision. Fresh and
// zero-filled for every redraw.
struct RayTable {
    explicit RayTable(int numWaves);

    std::vector<float> FrontX, FrontY;
    std::vector<float> HitX, HitY;
    std::vector<float> HitTime;
    std::vector<float> HitWaves;
    std::vector<float> RayLength;  // distance from the start front to the hit point
    std::vector<float> RefrX, RefrY;
    std::vector<float> WaveX, WaveY, WaveR;
    std::vector<float> RefrWaveX, RefrWaveY, RefrWaveR;

    // Where the last start front ends, as the closing stage draws the fronts
    // from it.
    float LastFrontX = 0;
    float LastFrontY = 0;
};

enum class RayPhase {
    Approaching,  // the incident front has not yet reached the boundary
    Crossing,     // the wavelet's centre is above the boundary, the wavelet reaches below
    Refracted,    // the wavelet's centre has passed into medium 2
    Idle,         // nothing more to draw for this ray
};

// Fills element i of the ray table: start point, hit point, hit time, the
// first whole-period point of the refracted ray and the current incident
// wavelet.
void PlaceRay(const Fan& fan, int i, RayTable& table);

RayPhase ChoosePhase(const Fan& fan, const RayTable& table, int i);

// Adds what ray i's phase places: the refracted wavelet of a refracted ray,
// and the end of the start front from which a crossing last ray is drawn.
void AdvanceRay(const Fan& fan, RayPhase phase, int i, RayTable& table);

// Where the incident wavelet's circle meets the boundary on the right of its
// centre, and the angle of that point below the horizontal.
struct BoundaryCrossing {
    double CrossX = 0;
    double CrossAngle = 0;
};
BoundaryCrossing CrossBoundary(const RayTable& table, int i);

}  // namespace orvath::wavelets
