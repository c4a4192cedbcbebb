// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exact/construction.h"
#include "exact/labels.h"
#include "surface/surface.h"

namespace orvath::exact {

// Two neighbouring hit points A and B, d apart, and the triangles on them:
// while the incident front still has c1 Δt to go to B (from its foot on the
// front through A), the wavelet about A grows to c2 Δt, touching the
// refracted front through B. Both legs are perpendicular to a front, so
// sin θ1 = c1 Δt / d and sin θ2 = c2 Δt / d.
struct ProofFigure {
    Vec a;
    Vec b;
    double d = 0;
    double dt = 0;
    Vec foot;
    double grown = 0;  // c2 Δt
    Vec touch;         // where the wavelet about A touches the refracted front
    double arc = 0;    // the radius of the angle marks
};

ProofFigure MakeProofFigure(const Construction& c);

// The legs, the right angles, the wavelet about A and the angle marks; the
// legs are kept in sight of the texts.
void DrawProofLines(const Construction& c, const ProofFigure& p, LabelLayout& layout, Surface& s);

// The live values beside the construction, under the critical-angle
// message.
void PlaceProofValues(const Construction& c, const ProofFigure& p, LabelLayout& layout);
// The names of the sides and angles, where the triangles leave room.
void PlaceProofNames(const Construction& c, const ProofFigure& p, LabelLayout& layout);

}  // namespace orvath::exact
