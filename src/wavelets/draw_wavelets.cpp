// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavelets/draw_wavelets.h"

#include "model/number_format.h"
#include "wavelets/phases.h"
#include "wavelets/ray_table.h"

namespace orvath {

void DrawWavelets(SimulationState& state, const BarValues& bars, Surface& surface,
                  const CaptionWriter& writeTimeCaption) {
    using namespace wavelets;

    // The boundary and the normal.
    surface.Line(state.XLeft, 0, state.XRight, 0, kForeground);
    surface.Line(0, state.YBottom, 0, state.YTop, kForeground);

    state.Pi = ComputePi();
    if (writeTimeCaption) {
        writeTimeCaption("TIME= " + FormatTwoDecimals(TimeFromBar(bars)) + " * T");
    }
    state.T = static_cast<double>(state.Lambda1) / state.C1;

    const Scene scene = MakeScene(state, bars);
    RayTable table(scene.NumWaves);
    PassScalars scalars;
    for (int i = 0; i <= scene.NumWaves; ++i) {
        PlaceRay(scene, i, table, scalars);
        DrawBoundaryAndHitDot(scene, table, i, surface);
        switch (ChoosePhase(scene, table, i)) {
            case RayPhase::Approaching:
                DrawApproachingPhase(scene, table, i, surface);
                break;
            case RayPhase::Crossing:
                DrawCrossingPhase(scene, table, i, scalars, surface);
                break;
            case RayPhase::Refracted:
                DrawRefractedPhase(scene, table, i, scalars, surface);
                break;
            case RayPhase::Idle:
                break;
        }
    }
    DrawClosingStage(scene, table, scalars, surface);
}

}  // namespace orvath
