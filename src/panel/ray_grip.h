// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "model/controls.h"
#include "model/scene.h"
#include "surface/view_clip.h"

namespace orvath {

// The rays of a picture as a hand takes hold of them, in world units: the
// incident rays come down parallel to their feet on the boundary (y = 0) and,
// below the critical angle, the refracted rays leave the same feet.
struct RayFan {
    double sinIncident = 0;  // the incident rays run along (sin, -cos)
    double cosIncident = 1;
    bool refracts = false;
    double sinRefracted = 0;  // the refracted rays run along (sin, -cos)
    double cosRefracted = 1;
    double sinTheta = 0;  // of the angle bar, for the index a drag sets
    std::vector<double> feet;
};

// The rays drawn by the picture of the scene in the mode and view.
RayFan RaysShown(const Scene& scene, DisplayMode mode, View view);

enum class Grip { None, Incident, Refracted };

// What a press takes hold of: a kind of ray, by the foot of the nearest one.
struct Grab {
    Grip grip = Grip::None;
    double footX = 0;
};

// The ray within `reach` world units of (x, y), the nearest if several.
Grab GrabAt(const RayFan& fan, double x, double y, double reach);

// The angle bar's value that turns the incident ray through (footX, 0)
// towards (x, y), clamped to the bar's range.
int AngleToward(double footX, double x, double y);

// The index bar's value that turns the refracted ray from (footX, 0) towards
// (x, y) for an angle of incidence with sine sinTheta, clamped to the bar's
// range; `current` at normal incidence, where no index turns the ray.
int IndexToward(double footX, double x, double y, double sinTheta, int current);

struct WorldPoint {
    double x = 0;
    double y = 0;
};

// Where a handle for the rays of a kind is drawn in the visible rectangle: on
// the ray nearest the middle of the view, half-way across the part of the
// ray's medium in view. None when no such ray is in view.
std::optional<WorldPoint> HandleFor(const RayFan& fan, Grip grip, const ViewRect& visible);

}  // namespace orvath
