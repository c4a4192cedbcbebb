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
// point of the boundary, and the wavelets, fronts, rays and tangent points
// that follow. Returns one line per fault.
std::vector<std::string> CheckExactPicture(const Scene& scene, const exact::ExactChoices& choices,
                                           const DisplayList& picture);

}  // namespace orvath::testing
