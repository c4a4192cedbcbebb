// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "exact/exact_view.h"
#include "surface/display_list.h"

namespace orvath::testing {

// Checks an exact picture, as recorded, against the physics of its inputs
// (the scene's bars and frame, and the choices), worked out here afresh:
// Snell's law, the law of reflection, when the incident front reaches each
// point of the boundary, and the wavelets, fronts (every one that meets the
// frame), rays, tangent points, arrowheads and the proof of Snell's law with
// its printed values that follow; and the colours, each wave in its own.
// Returns one line per fault.
std::vector<std::string> CheckExactPicture(const Scene& scene, const exact::ExactChoices& choices,
                                           const DisplayList& picture);

}  // namespace orvath::testing
