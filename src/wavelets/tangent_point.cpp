// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavelets/tangent_point.h"

#include <cmath>

#include "wavelets/drawing.h"

namespace orvath::wavelets {

std::optional<TangentPoint> FindTangentPoint(const TangentQuery& q) {
    const double leftmostX = q.hitX - q.hitWaveR;
    const double gap = std::fabs(q.hitX - q.frontCutX);
    if (q.criticalFlagSet && q.hitWaveR > gap) {
        return TangentPoint{q.frontCutX, -std::sqrt(Sq(q.hitWaveR) - Sq(q.hitX - q.frontCutX)),
                            true};
    }
    if (q.criticalFlagSet && gap > 0) {
        return TangentPoint{leftmostX, 0, false};
    }

    // (x - HitX)^2 + ((x - FrontCutX) * TanRefr)^2 = HitWaveR^2, with QuadB
    // half the linear coefficient.
    const double tan2 = Sq(q.tanRefr);
    const double quadA = 1 + tan2;
    const double quadB = q.hitX + tan2 * q.frontCutX;
    const double quadC = Sq(q.hitX) + tan2 * Sq(q.frontCutX) - Sq(q.hitWaveR);
    const double quadDisc = Sq(quadB) - quadA * quadC;
    if (!(quadDisc > 0)) {
        return std::nullopt;
    }
    const double tangentX = (quadB - std::sqrt(quadDisc)) / quadA;
    const double tangentY = (tangentX - q.frontCutX) * q.tanRefr;
    if (tangentY > 0) {
        return TangentPoint{leftmostX, 0, false};
    }
    return TangentPoint{tangentX, tangentY, false};
}

}  // namespace orvath::wavelets
