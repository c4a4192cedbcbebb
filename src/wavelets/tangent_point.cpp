// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavelets/tangent_point.h"

#include <cmath>

#include "wavelets/drawing.h"

namespace orvath::wavelets {

std::optional<TangentPoint> FindTangentPoint(const TangentQuery& q) {
    const double leftmostX = q.HitX - q.HitWaveR;
    const double gap = std::fabs(q.HitX - q.FrontCutX);
    if (q.CriticalFlagSet && q.HitWaveR > gap) {
        return TangentPoint{q.FrontCutX, -std::sqrt(Sq(q.HitWaveR) - Sq(q.HitX - q.FrontCutX)),
                            true};
    }
    if (q.CriticalFlagSet && gap > 0) {
        return TangentPoint{leftmostX, 0, false};
    }

    // (x - HitX)^2 + ((x - FrontCutX) * TanRefr)^2 = HitWaveR^2, with QuadB
    // half the linear coefficient.
    const double tan2 = Sq(q.TanRefr);
    const double QuadA = 1 + tan2;
    const double QuadB = q.HitX + tan2 * q.FrontCutX;
    const double QuadC = Sq(q.HitX) + tan2 * Sq(q.FrontCutX) - Sq(q.HitWaveR);
    const double QuadDisc = Sq(QuadB) - QuadA * QuadC;
    if (!(QuadDisc > 0)) {
        return std::nullopt;
    }
    const double TangentX = (QuadB - std::sqrt(QuadDisc)) / QuadA;
    const double TangentY = (TangentX - q.FrontCutX) * q.TanRefr;
    if (TangentY > 0) {
        return TangentPoint{leftmostX, 0, false};
    }
    return TangentPoint{TangentX, TangentY, false};
}

}  // namespace orvath::wavelets
