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
          scene.c1 > 0 && scene.c2 > 0 && scene.heightPx > 0)) {
        return;
    }
    const Construction c = MakeConstruction(scene, choices);
    Shown shown;
    DrawAxes(c, surface);
    DrawEarlierFronts(c, surface, shown);
    DrawWavelets(c, surface, shown);
    DrawCurrentFronts(c, surface);
    DrawRays(c, surface, shown);
    DrawTangentPoints(c, surface, shown);
    DrawAnnotations(c, shown, surface);
}

}  // namespace orvath::exact
