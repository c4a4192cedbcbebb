// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/bar_settings.h"
#include "model/simulation_state.h"

namespace orvath {

// What one redraw reads, computed once from the state and the bars. The
// renderers take it as their only input.
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
    bool critical = false;  // the critical-angle test found the critical angle

    // The world frame.
    float xLeft = 0;
    float xRight = 0;
    std::int16_t yTop = 0;
    std::int16_t yBottom = 0;
};

Scene MakeScene(const SimulationState& state, const BarValues& bars);

}  // namespace orvath
