// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exact/exact_view.h"

namespace orvath::exact {

// Rays and current fronts use the ray colours of exact_view.h; the wavelets
// a darker shade of them, earlier fronts a lighter one.
inline constexpr Rgb kIncidentWavelet{150, 60, 60};
inline constexpr Rgb kRefractedWavelet{60, 80, 160};
inline constexpr Rgb kReflectedWavelet{50, 120, 70};
inline constexpr Rgb kFaintWavelet{185, 195, 225};  // medium 2 under total reflection
inline constexpr Rgb kIncidentTrail{235, 150, 150};
inline constexpr Rgb kRefractedTrail{150, 175, 235};
inline constexpr Rgb kReflectedTrail{140, 205, 160};
inline constexpr Rgb kProof{225, 120, 0};
inline constexpr Rgb kTangentDot{0, 0, 0};

inline constexpr int kFrontWidth = 2;
inline constexpr int kTangentDotWidth = 6;
inline constexpr int kCentreDotWidth = 5;

inline Rgb RayColour(Wave wave) {
    return wave == Wave::Incident    ? kIncidentColour
           : wave == Wave::Refracted ? kRefractedColour
                                     : kReflectedColour;
}

}  // namespace orvath::exact
