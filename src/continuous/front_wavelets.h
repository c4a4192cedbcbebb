// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "continuous/beam.h"
#include "model/scene.h"
#include "surface/surface.h"

namespace orvath::continuous {

// The part of the continuous picture that moves with `Time`, the number of
// periods T since the left edge ray reached the boundary. All arcs are drawn
// in the foreground colour with the pen as it is (solid, width 1).

// The lower half of the wavelet that the left edge ray sent into medium 2 when
// it reached the boundary; of radius 0 at `Time` 0.
void DrawLeftEdgeWavelet(const Scene& scene, const Beam& beam, double time, Surface& surface);

// Below the critical angle and once `Time` > 0: the refracted front, tangent
// to the left-edge wavelet and meeting the boundary where the incident front
// meets it at the same moment, and that incident front.
void DrawRefractedFront(const Scene& scene, const Beam& beam, double time, Surface& surface);

// For every front point, its secondary wavelet in medium 1 while it is clear
// of the boundary, the same wavelet cut at the boundary once it has reached
// it, or a half wavelet in medium 2 once the point's own ray has crossed.
void DrawFrontPointWavelets(const Scene& scene, const Beam& beam, const FrontPoints& front,
                            double time, Surface& surface);

}  // namespace orvath::continuous
