// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "exact/construction.h"
#include "exact/exact_view.h"
#include "exact/steps.h"

namespace orvath::exact {

void DrawExactPicture(const Scene& scene, const ExactChoices& choices, Surface& surface) {
    // The frame must hold some of both media.
    const float width = scene.xRight - scene.xLeft;
    if (!(std::isfinite(width) && width > 0 && scene.yTop > 0 && scene.yBottom < 0 &&
          scene.c1 > 0 && scene.c2 > 0 && scene.lineHeight > 0)) {
        return;
    }
    const Construction c = MakeConstruction(scene, choices);
    DrawAxes(c, surface);
    DrawEarlierFronts(c, surface);
    DrawWavelets(c, surface);
    DrawCurrentFronts(c, surface);
    DrawRays(c, surface);
    DrawTangentPoints(c, surface);
    DrawAnnotations(c, surface);
}

}  // namespace orvath::exact
