// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/simulation_state.h"

namespace orvath {

// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Sets Pi, the client size in twips, Aspect and the frame edges from the
// client area's size in twips: x from -200 * Aspect to 0, y from 100 to -100.
void SetWorldFrame(SimulationState& state, float clientWidthTwips, float clientHeightTwips);

// Sets C1, C2, Lambda1 and T as start-up does, for the index bar's value.
void SetPhysicalConstants(SimulationState& state, std::int16_t indexTimes100);

// The start-up state for a client area of the given size in pixels and the
// design value of the index bar.
SimulationState StartupState(int clientWidthPx, int clientHeightPx);

}  // namespace orvath
