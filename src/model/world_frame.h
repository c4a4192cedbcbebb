// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/bar_settings.h"
#include "model/simulation_state.h"

namespace orvath {

// A twip is a 1440th of an inch.
inline constexpr double kTwipsPerInch = 1440;
// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Sets Pi, the client size in twips, Aspect and the frame edges from the
// client area's size in twips: x from -200 * Aspect to 0, y from 100 to -100.
void SetWorldFrame(SimulationState& state, float clientWidthTwips, float clientHeightTwips);

// The frame's top edge (its bottom is -kWorldTop) and right edge, whatever
// the client area's size.
inline constexpr double kWorldTop = 100;
inline constexpr double kWorldRight = 0;

// The wave's speed and wavelength in medium 1.
inline constexpr std::int16_t kSpeed1 = 5;
inline constexpr std::int16_t kWavelength1 = 30;

// Sets C1 and C2 = C1 / n for the index bar's value.
void SetSpeeds(SimulationState& state, std::int16_t indexTimes100);

// Sets C1, C2, Lambda1 and the period T = Lambda1 / C1 as start-up does, for
// the index bar's value.
void SetPhysicalConstants(SimulationState& state, std::int16_t indexTimes100);

// The form's font size in points: the panel's buttons and labels and the
// text printed on the classic pictures.
inline constexpr double kFormFontPoints = 8.25;

// The height of one line of text printed on the picture, in world units: the
// form's 8.25-point font with its line spacing, on the client height.
double PrintLineHeight(const SimulationState& state);

// The size of the client area that start-up reads, in twips.
struct ClientArea {
    float widthTwips = 0;
    float heightTwips = 0;
};

// A client area of that many pixels at 96 dots per inch.
ClientArea ClientAreaOfPixels(int widthPx, int heightPx);

// The state the pictures are drawn in for these bars on a client area: the
// world frame, C1, Lambda1 and the period, and C2 for the index bar.
SimulationState StateFor(const BarValues& bars, ClientArea client);

}  // namespace orvath
