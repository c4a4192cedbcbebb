// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "model/simulation_state.h"
#include "surface/surface.h"

namespace orvath {

// Writes the caption of the time label (Label2).
using CaptionWriter = std::function<void(const std::string&)>;

// Draws the "WAVELETS" picture for the given bars on a surface that the
// caller has just cleared. Rewrites state.Pi and state.T with their usual
// formulas and the time label in its own wording ("TIME= 20.00 * T").
void DrawWavelets(SimulationState& state, const BarValues& bars, Surface& surface,
                  const CaptionWriter& writeTimeCaption);

}  // namespace orvath
