// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

namespace orvath::exact {

enum class Picture { Wavelets, Continuous };

// What one redraw of the exact view reads; plain data filled by the caller.
struct ExactInputs {
    Picture picture = Picture::Wavelets;
    int angleDeg = 25;       // angle of incidence, 0..89
    int indexTimes100 = 50;  // relative index n = c1 / c2, times 100, 50..300
    int waves = 10;          // number of rays (wavelets picture) or front points, 5..39
    int timeBar = 2000;      // 0..5000: time / 100 (wavelets) or periods * 100 (continuous)
    float xLeft = 0;         // the world frame
    float xRight = 0;
    float yTop = 100;
    float yBottom = -100;
    bool reflection = false;  // show the partially reflected wave below the critical angle
    float lineHeight = 3.2f;  // height of a printed line of text, world units
};

// Colours of the three kinds of ray, shared by their fronts.
inline constexpr Rgb kIncidentColour{200, 0, 0};
inline constexpr Rgb kRefractedColour{0, 70, 200};
inline constexpr Rgb kReflectedColour{0, 130, 50};

// Draws the exact picture on a surface the caller has just cleared. Every
// operation follows a BeginPart; the pen is left solid and 1 pixel wide.
void DrawExactPicture(const ExactInputs& inputs, Surface& surface);

}  // namespace orvath::exact
