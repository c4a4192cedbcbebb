// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "continuous/beam.h"
#include "model/scene.h"
#include "surface/surface.h"

namespace orvath::continuous {

// The part of the continuous picture that does not depend on the time.

// A big red dot on every front point, and a small one half a wavelength
// further along its ray while that point is still in medium 1. Leaves the pen
// at width 1.
void DrawFrontPoints(const Scene& scene, const Beam& beam, const FrontPoints& front,
                     Surface& surface);

// The boundary y = 0 across the frame, then the normal x = 0 from bottom to
// top, in the foreground colour.
void DrawAxes(const Scene& scene, Surface& surface);

// The central ray and the two edge rays, from the top edge down to the
// boundary, drawn with the pen as it is (solid, width 1).
void DrawRays(const Scene& scene, const Beam& beam, Surface& surface);

// The incident fronts through the points where the three rays meet the
// boundary: the central one dotted, the edge ones solid. Leaves the pen solid.
void DrawIncidentFronts(const Beam& beam, Surface& surface);

}  // namespace orvath::continuous
