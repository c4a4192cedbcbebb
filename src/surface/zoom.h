// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

namespace orvath {

// How far the picture is magnified, from the whole picture up to 8 times.
inline constexpr double kMinZoom = 1;
inline constexpr double kMaxZoom = 8;
// One step of the zoom keys and buttons, and of one notch of the wheel.
inline constexpr double kZoomStep = 1.25;

// What part of the world frame is shown: magnified `factor` times about the
// world point (centreX, centreY). The default is the whole picture. Zooming
// changes only how the picture is painted, never the frame.
struct Zoom {
    double factor = kMinZoom;
    double centreX = 0;
    double centreY = 0;

    bool Whole() const { return factor == kMinZoom; }
    friend bool operator==(const Zoom&, const Zoom&) = default;
};

// The zoom within its limits: the factor from 1 to 8 (a value that is not a
// number counts as 1), the centre where the view stays inside the frame (a
// centre that is not a number is the frame's middle).
Zoom Limited(const Zoom& zoom, const WorldFrame& frame);

// Magnified to `factor` (limited) so that the world point (x, y) stays where
// it is on the screen.
Zoom ZoomedAbout(const Zoom& zoom, const WorldFrame& frame, double factor, double x, double y);

// Moved by (dx, dy) world units, within the limits.
Zoom Panned(const Zoom& zoom, const WorldFrame& frame, double dx, double dy);

}  // namespace orvath
