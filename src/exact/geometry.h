// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "exact/construction.h"

namespace orvath::exact {

struct Wavelet {
    Vec centre;
    double radius = 0;
    bool onBoundary = false;  // a secondary wavelet about its hit point
};

// The wavelet drawn now for the ray through the boundary point x: the
// incident one until the ray reaches the boundary, the outgoing ones after.
// Waves that still carry on along a ray restart their wavelet on the front of
// each whole period, as the incident wave does.
std::optional<Wavelet> WaveletAt(const Construction& c, Wave wave, double x);

// The front of a wave at time `when`, including the refracted front that
// stands perpendicular to the boundary at the critical angle.
std::optional<Segment> FrontOf(const Construction& c, Wave wave, double when);

// Where the incident front meets the boundary at time `when` (angle > 0).
double ReachAt(const Construction& c, double when);

// The ray through the boundary point x: the incident one from the edge of
// the frame, the outgoing ones from the boundary to their current front.
std::optional<Segment> RayAt(const Construction& c, Wave wave, double x);

// How far a ray from the boundary point x runs in the given direction before
// it leaves the frame.
double RunInFrame(const WorldBounds& frame, double x, Vec direction);

// Whether the picture draws the rays and fronts of the given wave.
bool HasRays(const Construction& c, Wave wave);

}  // namespace orvath::exact
