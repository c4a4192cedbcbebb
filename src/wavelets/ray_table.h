// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/scene.h"

namespace orvath::wavelets {

// The fan of parallel rays that one wavelet picture follows: the scene's
// values in the form the picture uses them, read once per redraw.
struct Fan {
    double pi = 0;
    int angleDeg = 0;
    double theta = 0;  // angle of incidence from the normal, radians
    double sinTheta = 0;
    double cosTheta = 0;
    double tanTheta = 0;
    double time = 0;  // in the unit of T
    int numWaves = 0;
    double periods = 0;  // Int(Time / T), whole periods elapsed

    double lambda1 = 0;
    double c1 = 0;
    double c2 = 0;
    double period = 0;
    bool criticalFlagSet = false;

    // Snell's law: SinRefr = sin(Theta) C2 / C1; CosRefr and TanRefr of the
    // angle of refraction while SinRefr < 1, else 0.
    double sinRefr = 0;
    double cosRefr = 0;
    double tanRefr = 0;

    float xLeft = 0;
    float xRight = 0;

    // Ends of the start front, the incident front through the top-left corner.
    double frontX0 = 0;
    double frontY0 = 0;
    double frontX1 = 0;
    double frontY1 = 0;

    bool NormalIncidence() const { return angleDeg == 0; }
};

// Time in the unit of T, from the time bar.
double TimeFromBar(const BarValues& bars);

Fan MakeFan(const Scene& scene);

// One element per ray, 0 to NumWaves, in single precision. Fresh and
// zero-filled for every redraw.
struct RayTable {
    explicit RayTable(int numWaves);

    std::vector<float> frontX, frontY;
    std::vector<float> hitX, hitY;
    std::vector<float> hitTime;
    std::vector<float> hitWaves;
    std::vector<float> rayLength;  // distance from the start front to the hit point
    std::vector<float> refrX, refrY;
    std::vector<float> waveX, waveY, waveR;
    std::vector<float> refrWaveX, refrWaveY, refrWaveR;

    // Where the last start front ends, as the closing stage draws the fronts
    // from it.
    float lastFrontX = 0;
    float lastFrontY = 0;
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
    double crossX = 0;
    double crossAngle = 0;
};
BoundaryCrossing CrossBoundary(const RayTable& table, int i);

}  // namespace orvath::wavelets
