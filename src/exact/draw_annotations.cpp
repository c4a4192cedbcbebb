// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "exact/geometry.h"
#include "exact/key.h"
#include "exact/labels.h"
#include "exact/palette.h"
#include "exact/pen.h"
#include "exact/proof.h"
#include "exact/steps.h"

namespace orvath::exact {
namespace {

constexpr double kArrowLength = 3.5;
constexpr double kArrowSpread = 0.4;  // radians either side of the ray
// Beyond this many rays of a wave, every other ray carries the arrowhead:
// dense arrowheads say no more and crowd the picture.
constexpr int kMostArrowheads = 20;

Vec Turned(Vec v, double angle) {
    const double cs = std::cos(angle);
    const double sn = std::sin(angle);
    return {cs * v.x - sn * v.y, sn * v.x + cs * v.y};
}

// Incident rays carry their arrowhead half-way along; outgoing ones at the
// front they have reached, or where they leave the frame. The two strokes of
// an arrowhead run back from its tip either side of the ray.
void DrawArrowheads(const Construction& c, Surface& s) {
    for (const Wave wave : {Wave::Incident, Wave::Refracted, Wave::Reflected}) {
        if (!HasRays(c, wave)) {
            continue;
        }
        const Medium& medium = c.MediumOf(wave);
        const Vec back = -kArrowLength * medium.direction;
        const Vec left = Turned(back, kArrowSpread);
        const Vec right = Turned(back, -kArrowSpread);
        const Colour colour = RayColour(wave);
        const int stride = c.rays.count > kMostArrowheads ? 2 : 1;
        for (int i = 0; i < c.rays.count; i += stride) {
            const double x = c.rays.At(i);
            // The length of the ray inside the frame, and where the tip goes.
            double seen = 0;
            double tipAt = 0;
            if (wave == Wave::Incident) {
                seen = RunInFrame(c.frame, x, -1 * medium.direction);
                tipAt = -seen / 2;
            } else if (c.time > c.HitTime(x)) {
                seen = std::min(medium.speed * (c.time - c.HitTime(x)),
                                RunInFrame(c.frame, x, medium.direction));
                tipAt = seen;
            }
            if (seen >= 2 * kArrowLength) {
                const Vec tip = Vec{x, 0} + tipAt * medium.direction;
                DrawSegment(s, tip, tip + left, colour);
                DrawSegment(s, tip, tip + right, colour);
            }
        }
    }
}

}  // namespace

void DrawAnnotations(const Construction& c, const Shown& shown, Surface& s) {
    s.BeginPart(Part::Annotations);
    DrawArrowheads(c, s);
    LabelLayout layout(c);
    const ProofFigure proof = MakeProofFigure(c);
    DrawProofLines(c, proof, layout, s);

    // The values first, beside the construction; then the key in a corner,
    // the media's names and the proof's names, each where the texts before
    // it leave room. Every text comes after every line, on its backing.
    PlaceProofValues(c, proof, layout);
    const Key entries = c.showKey ? MakeKey(c, shown) : Key();
    const std::optional<Box> key = PlaceKey(c, entries, layout);
    PlaceMediaNames(c, layout);
    PlaceProofNames(c, proof, layout);
    if (!layout.Placed().empty() || key) {
        s.SetFont(F(layout.Em()));
    }
    PrintPlaced(layout.Placed(), s);
    if (key) {
        DrawKey(entries, *key, layout, s);
    }
}

}  // namespace orvath::exact
