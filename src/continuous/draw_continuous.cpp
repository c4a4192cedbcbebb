// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuous/draw_continuous.h"

#include "continuous/beam.h"
#include "continuous/front_wavelets.h"
#include "continuous/static_scene.h"

namespace orvath {

void DrawContinuous(const Scene& scene, Surface& surface) {
    using namespace continuous;

    // Along the normal the construction has no trace wavelength (it divides
    // by sin 0): the picture is the axes alone.
    if (scene.bars.angle == 0) {
        DrawAxes(scene, surface);
        return;
    }

    const Beam beam = ComputeBeam(scene);
    const FrontPoints front = ComputeFrontPoints(beam, scene.bars.waves);
    DrawFrontPoints(scene, beam, front, surface);
    DrawAxes(scene, surface);

    const double time = scene.bars.time / 100.0;
    DrawRays(scene, beam, surface);
    DrawIncidentFronts(beam, surface);

    DrawLeftEdgeWavelet(scene, beam, time, surface);
    DrawRefractedFront(scene, beam, time, surface);
    DrawFrontPointWavelets(scene, beam, front, time, surface);
}

}  // namespace orvath
