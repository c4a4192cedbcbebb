// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/bar_settings.h"
#include "model/critical_angle.h"
#include "model/simulation_state.h"
#include "model/world_frame.h"

namespace orvath {

// The world rectangle of the picture, in the precision of its geometry.
struct WorldBounds {
    double left = 0;
    double right = 0;
    double top = 100;
    double bottom = -100;

    double Width() const { return right - left; }
};

// What one redraw reads, computed once from the bars and the client area.
// The renderers take it as their only input.
struct Scene {
    BarValues bars;
    double pi = 0;
    double c1 = 0;       // wave speed in medium 1
    double c2 = 0;       // wave speed in medium 2
    double lambda1 = 0;  // wavelength in medium 1
    double period = 0;   // T

    double theta = 0;     // angle of incidence from the normal, radians
    double sinTheta = 0;  // sin(theta)
    // sin(theta) * c2 / c1: the sine of the angle of refraction while it is
    // below 1, above 1 beyond the critical angle.
    double sinRefraction = 0;
    // The critical-angle test of the angle and index bars.
    CriticalVerdict verdict = CriticalVerdict::Less;

    // The world frame.
    float xLeft = 0;
    float xRight = 0;
    std::int16_t yTop = 0;
    std::int16_t yBottom = 0;
    // The height of a printed line of text, in world units.
    float lineHeight = 0;
    // The client area's height in pixels, and the part of the picture that
    // the panel's controls cover, with room for those put beside them.
    double heightPx = 0;
    WorldBounds controls;

    // Whether the test found the critical angle (CriticalFlag is -1).
    bool Critical() const { return verdict == CriticalVerdict::Critical; }
    WorldBounds Bounds() const {
        return {xLeft, xRight, static_cast<double>(yTop), static_cast<double>(yBottom)};
    }
};

// The scene of a state and the bars; the critical-angle test is made here.
Scene MakeScene(const SimulationState& state, const BarValues& bars);
// The scene of the bars on a client area: the one way every redraw of the
// panel, and every test and benchmark of a picture, builds it.
Scene MakeScene(const BarValues& bars, ClientArea client);

}  // namespace orvath
