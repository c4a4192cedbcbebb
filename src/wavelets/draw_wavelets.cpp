// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavelets/draw_wavelets.h"

#include "model/captions.h"
#include "wavelets/phases.h"
#include "wavelets/ray_table.h"

namespace orvath {

void DrawWavelets(const Scene& scene, Surface& surface, const CaptionWriter& writeTimeCaption) {
    using namespace wavelets;

    // The boundary and the normal.
    surface.Line(scene.xLeft, 0, scene.xRight, 0, kForeground);
    surface.Line(0, scene.yBottom, 0, scene.yTop, kForeground);
    if (writeTimeCaption) {
        writeTimeCaption(WaveletTimeCaption(scene.bars.time));
    }

    const Fan fan = MakeFan(scene);
    RayTable table(fan.numWaves);
    for (int i = 0; i <= fan.numWaves; ++i) {
        PlaceRay(fan, i, table);
        const RayPhase phase = ChoosePhase(fan, table, i);
        AdvanceRay(fan, phase, i, table);

        DrawBoundaryAndHitDot(fan, table, i, surface);
        switch (phase) {
            case RayPhase::Approaching:
                DrawApproachingPhase(fan, table, i, surface);
                break;
            case RayPhase::Crossing:
                DrawCrossingPhase(fan, table, i, surface);
                break;
            case RayPhase::Refracted:
                DrawRefractedPhase(fan, table, i, surface);
                break;
            case RayPhase::Idle:
                break;
        }
    }
    DrawClosingStage(fan, table, surface);
}

}  // namespace orvath
