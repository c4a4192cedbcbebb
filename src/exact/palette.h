// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exact/exact_view.h"

namespace orvath::exact {

// Rays and current fronts use the ray colours of exact_view.h; the wavelets
// a darker shade of them, earlier fronts (dashed) a lighter one. Every line
// colour stands out from the white background at least 3:1; what must look
// faint is drawn thin and dotted instead.
inline constexpr Rgb kIncidentWavelet{150, 60, 60};
inline constexpr Rgb kRefractedWavelet{60, 80, 160};
inline constexpr Rgb kReflectedWavelet{50, 120, 70};
inline constexpr Rgb kIncidentTrail{215, 90, 90};
inline constexpr Rgb kRefractedTrail{100, 130, 220};
inline constexpr Rgb kReflectedTrail{60, 150, 90};
inline constexpr Rgb kProof{205, 100, 0};
inline constexpr Rgb kTangentDot{0, 0, 0};
// The frame of the key.
inline constexpr Rgb kKeyFrame{110, 110, 110};

inline constexpr int kFrontWidth = 2;
inline constexpr int kTangentDotWidth = 6;
inline constexpr int kCentreDotWidth = 5;

inline Rgb TrailColour(Wave wave) {
    return wave == Wave::Incident    ? kIncidentTrail
           : wave == Wave::Refracted ? kRefractedTrail
                                     : kReflectedTrail;
}

inline Rgb WaveletColour(Wave wave) {
    return wave == Wave::Incident    ? kIncidentWavelet
           : wave == Wave::Refracted ? kRefractedWavelet
                                     : kReflectedWavelet;
}

inline Rgb RayColour(Wave wave) {
    return wave == Wave::Incident    ? kIncidentColour
           : wave == Wave::Refracted ? kRefractedColour
                                     : kReflectedColour;
}

}  // namespace orvath::exact
