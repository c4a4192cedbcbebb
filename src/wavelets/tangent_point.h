// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace orvath::wavelets {

// What decides where the refracted front touches the secondary wavelet about
// the hit point (HitX, 0).
struct TangentQuery {
    double hitX = 0;
    double hitWaveR = 0;   // radius of the secondary wavelet
    double frontCutX = 0;  // where the current whole-period front meets the boundary
    double tanRefr = 0;    // slope of the refracted front through (FrontCutX, 0)
    bool criticalFlagSet = false;
};

struct TangentPoint {
    double tangentX = 0;
    double tangentY = 0;
    bool marked = false;  // the critical-angle touch point, drawn as a wide dot
};

// The point where the refracted front touches the secondary wavelet, or
// nothing when the front misses the wavelet (the caller then draws the whole
// lower half).
//
// At the critical angle the refracted front is the vertical through
// FrontCutX; a wavelet that does not reach it starts on the boundary at its
// leftmost point. Otherwise the left-hand intersection of the front with the
// circle is taken, and replaced by the leftmost point on the boundary when it
// comes out above the boundary.
std::optional<TangentPoint> FindTangentPoint(const TangentQuery& query);

}  // namespace orvath::wavelets
