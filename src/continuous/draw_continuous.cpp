// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuous/draw_continuous.h"

#include <cstdint>

#include "continuous/beam.h"
#include "continuous/front_wavelets.h"
#include "continuous/static_scene.h"

namespace orvath {

void DrawContinuous(SimulationState& state, const BarValues& bars, Surface& surface) {
    using namespace continuous;

    const std::int16_t NumWaves = bars.arithkyMATON;
    const std::int16_t AngleDeg = bars.prosptosis;
    state.C1 = 5;
    state.C2 = SpeedInMedium2(state.C1, bars.N_REFR);

    // Along the normal the construction has no trace wavelength (it divides
    // by sin 0): the picture is the axes alone.
    if (AngleDeg == 0) {
        DrawAxes(state, surface);
        return;
    }

    const Beam beam = ComputeBeam(state, AngleDeg, NumWaves);
    const FrontPoints front = ComputeFrontPoints(beam, NumWaves);
    DrawFrontPoints(state, beam, front, surface);
    DrawAxes(state, surface);

    const double Time = bars.xronos / 100.0;
    DrawRays(state, beam, surface);
    DrawIncidentFronts(beam, surface);

    DrawLeftEdgeWavelet(state, beam, Time, surface);
    DrawRefractedFront(state, beam, Time, surface);
    DrawFrontPointWavelets(state, beam, front, Time, surface);
}

}  // namespace orvath
