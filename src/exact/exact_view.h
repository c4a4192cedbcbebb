// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/controls.h"
#include "model/scene.h"
#include "surface/surface.h"
#include "surface/theme.h"

namespace orvath::exact {

// What the exact view draws besides the scene: which picture, and whether the
// partially reflected wave shows below the critical angle.
struct ExactChoices {
    DisplayMode picture = DisplayMode::Wavelets;
    bool reflection = false;
    bool key = true;               // the key to the picture's colours
    Theme theme = Theme::Classic;  // the texts' size follows it
    bool indexHidden = false;      // a mystery medium: no text tells the index
};

// Colours of the three kinds of ray, shared by their fronts.
inline constexpr Rgb kIncidentColour{200, 0, 0};
inline constexpr Rgb kRefractedColour{0, 70, 200};
inline constexpr Rgb kReflectedColour{0, 130, 50};

// Draws the exact picture of the scene on a surface the caller has just
// cleared. Every operation follows a BeginPart; the pen is left solid and 1
// pixel wide.
void DrawExactPicture(const Scene& scene, const ExactChoices& choices, Surface& surface);

}  // namespace orvath::exact
