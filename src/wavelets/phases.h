// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"
#include "wavelets/ray_table.h"

namespace orvath::wavelets {

// Redraws the boundary over what earlier rays drew across it and marks the
// hit point of ray i with a red dot.
void DrawBoundaryAndHitDot(const Fan& fan, const RayTable& table, int i, Surface& surface);

// Ray i before its incident front reaches the boundary: the centre dot, the
// forward half of the wavelet and, while the wavelet stays clear of the
// boundary, the incident ray.
void DrawApproachingPhase(const Fan& fan, const RayTable& table, int i, Surface& surface);

// Ray i while its wavelet reaches across the boundary: the part of the
// wavelet above it, the ray, the centre dot and, once the wavelet has swept
// past the hit point, the secondary wavelet in medium 2 from the point where
// the refracted front touches it.
void DrawCrossingPhase(const Fan& fan, const RayTable& table, int i, Surface& surface);

// Ray i after its wavelet's centre has passed into medium 2: the refracted
// wavelet with the incident and refracted ray, or beyond the critical angle a
// growing half circle about the hit point.
void DrawRefractedPhase(const Fan& fan, const RayTable& table, int i, Surface& surface);

// The dashed fronts after the last ray: the current front and line of
// centres with their refracted continuations, and every whole-period front.
void DrawClosingStage(const Fan& fan, const RayTable& table, Surface& surface);

}  // namespace orvath::wavelets
