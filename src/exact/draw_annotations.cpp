// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "exact/geometry.h"
#include "exact/palette.h"
#include "exact/pen.h"
#include "exact/steps.h"

namespace orvath::exact {
namespace {

constexpr double kArrowLength = 3.5;
constexpr double kArrowSpread = 0.4;  // radians either side of the ray

// Two strokes back from the tip, either side of the direction of travel.
void DrawArrowhead(Surface& s, Vec tip, Vec direction, Colour colour) {
    const double length = std::hypot(direction.x, direction.y);
    const Vec back = (-kArrowLength / length) * direction;
    const double cs = std::cos(kArrowSpread);
    const double sn = std::sin(kArrowSpread);
    DrawSegment(s, tip, tip + Vec{cs * back.x - sn * back.y, sn * back.x + cs * back.y}, colour);
    DrawSegment(s, tip, tip + Vec{cs * back.x + sn * back.y, -sn * back.x + cs * back.y}, colour);
}

// Incident rays carry their arrowhead half-way along; outgoing ones at the
// front they have reached, or where they leave the frame.
void DrawArrowheads(const Construction& c, Surface& s) {
    for (const Wave wave : {Wave::Incident, Wave::Refracted, Wave::Reflected}) {
        for (int i = 0; i < c.rays.count; ++i) {
            const auto ray = RayAt(c, wave, c.rays.At(i));
            const auto seen = ray ? ClipToFrame(c.frame, *ray) : std::nullopt;
            if (!seen) {
                continue;
            }
            const Vec along = seen->b - seen->a;
            if (std::hypot(along.x, along.y) < 2 * kArrowLength) {
                continue;
            }
            const Vec tip = wave == Wave::Incident ? seen->a + 0.5 * along : seen->b;
            DrawArrowhead(s, tip, along, RayColour(wave));
        }
    }
}

}  // namespace

void DrawAnnotations(const Construction& c, Surface& s) {
    s.BeginPart(Part::Annotations);
    DrawArrowheads(c, s);
    DrawProof(c, s);
}

}  // namespace orvath::exact
