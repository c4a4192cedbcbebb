// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/simulation_state.h"
#include "surface/surface.h"

namespace orvath {

// Draws the "CONTINUOUS" picture for the given bars on a surface that the
// caller has just cleared. Rewrites state.C1 and state.C2 with their usual
// formulas.
void DrawContinuous(SimulationState& state, const BarValues& bars, Surface& surface);

}  // namespace orvath
