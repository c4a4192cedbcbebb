// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "exact/construction.h"
#include "exact/exact_view.h"
#include "exact/steps.h"

namespace orvath::exact {

void DrawExactPicture(const ExactInputs& inputs, Surface& surface) {
    // The frame must hold some of both media.
    const float width = inputs.xRight - inputs.xLeft;
    if (!(std::isfinite(width) && width > 0 && inputs.yTop > 0 && inputs.yBottom < 0 &&
          std::isfinite(inputs.yTop - inputs.yBottom))) {
        return;
    }
    const Construction c = MakeConstruction(inputs);
    DrawAxes(c, surface);
    DrawEarlierFronts(c, surface);
    DrawWavelets(c, surface);
    DrawCurrentFronts(c, surface);
    DrawRays(c, surface);
    DrawTangentPoints(c, surface);
    DrawAnnotations(c, surface);
}

}  // namespace orvath::exact
