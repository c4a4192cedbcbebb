// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "model/scene.h"

namespace orvath {

// The physics behind the current picture, as a teacher would state it.
struct RefractionFacts {
    double index = 0;        // relative refractive index n = c1 / c2
    double speed1 = 0;       // wave speed in medium 1 (above the boundary)
    double speed2 = 0;       // wave speed in medium 2 (below)
    double wavelength1 = 0;  // wavelength in medium 1
    double wavelength2 = 0;  // wavelength in medium 2: the same period at speed2
    int incidenceDeg = 0;
    // Snell's law, sin(refraction) = sin(incidence) / n; none when the wave
    // is totally reflected.
    std::optional<double> refractionDeg;
    // asin(n), which exists only when medium 2 is the faster one (n < 1).
    std::optional<double> criticalDeg;
    double time = 0;     // the time bar in the program's time unit
    double periods = 0;  // the same time in periods T
    // A mystery medium hides the index and all that would tell it: the
    // speed and wavelength below, the angles of refraction and the critical
    // angle.
    bool indexHidden = false;
};

// The facts of a scene. Total reflection is decided by the same test as the
// picture's critical-angle message.
RefractionFacts ComputeRefractionFacts(const Scene& scene);

}  // namespace orvath
