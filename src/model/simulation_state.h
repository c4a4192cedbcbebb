// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orvath {

// The simulation's state for a client area and the index bar: the world
// frame and the physical constants (see StateFor). Everything starts at 0.
struct SimulationState {
    double pi = 0;             // 4 * atan(1)
    std::int16_t lambda1 = 0;  // wavelength in medium 1
    std::int16_t c1 = 0;       // wave speed in medium 1
    double c2 = 0;             // wave speed in medium 2: C1 / n
    double period = 0;         // period T: Lambda1 / C1

    float screenScaleWidth = 0;   // client width in twips, read at start-up
    float screenScaleHeight = 0;  // client height in twips
    double aspect = 0;            // screenScaleWidth / screenScaleHeight

    float xLeft = 0;           // world x of the left edge: -200 * aspect
    float xRight = 0;          // world x of the right edge: 0
    std::int16_t yTop = 0;     // world y of the top edge: 100
    std::int16_t yBottom = 0;  // world y of the bottom edge: -100
};

// 4 * arctan(1), the formula every writer of Pi uses.
double ComputePi();

// C1 / (index / 100), the index quotient in double precision.
double SpeedInMedium2(std::int16_t c1, std::int16_t indexTimes100);

}  // namespace orvath
