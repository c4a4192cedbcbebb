// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orvath {

// State shared by start-up, the handlers and both renderers. Everything
// starts at 0 and is filled by Main; only the form owns an instance.
struct SimulationState {
    double Pi = 0;             // 4 * atan(1)
    std::int16_t Lambda1 = 0;  // wavelength in medium 1
    std::int16_t C1 = 0;       // wave speed in medium 1
    double C2 = 0;             // wave speed in medium 2: C1 / n
    double T = 0;              // period: Lambda1 / C1

    float ScreenScaleWidth = 0;   // client width in twips, read at start-up
    float ScreenScaleHeight = 0;  // client height in twips
    double Aspect = 0;            // ScreenScaleWidth / ScreenScaleHeight

    float XLeft = 0;           // world x of the left edge: -200 * Aspect
    float XRight = 0;          // world x of the right edge: 0
    std::int16_t YTop = 0;     // world y of the top edge: 100
    std::int16_t YBottom = 0;  // world y of the bottom edge: -100

    std::int16_t CriticalFlag = 0;  // -1 when the angle is critical, else 0
};

// The values of the four bars, as the renderers read them.
struct BarValues {
    std::int16_t prosptosis = 25;    // angle of incidence, degrees 0..89
    std::int16_t N_REFR = 50;        // relative index * 100, 50..300
    std::int16_t arithkyMATON = 10;  // number of waves, 5..39
    std::int16_t xronos = 2000;      // time * 100, 0..5000
};

// 4 * arctan(1), the formula every writer of Pi uses.
double ComputePi();

// C1 / (index / 100), the index quotient in double precision.
double SpeedInMedium2(std::int16_t c1, std::int16_t indexTimes100);

}  // namespace orvath
