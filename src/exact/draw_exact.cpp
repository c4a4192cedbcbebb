// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/construction.h"
#include "exact/exact_view.h"
#include "exact/steps.h"

namespace orvath::exact {

void DrawExactPicture(const ExactInputs& inputs, Surface& surface) {
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
