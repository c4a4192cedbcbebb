// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "exact/construction.h"
#include "surface/surface.h"

namespace orvath::exact {

inline float F(double value) {
    return static_cast<float>(value);
}

inline void DrawSegment(Surface& s, Vec a, Vec b, const Colour& colour) {
    s.Line(F(a.x), F(a.y), F(b.x), F(b.y), colour);
}

// A segment drawn with a wider pen, which goes back to 1 pixel after it.
inline void DrawWideSegment(Surface& s, int width, Vec a, Vec b, Colour colour) {
    s.DrawWidth(width);
    DrawSegment(s, a, b, colour);
    s.DrawWidth(1);
}

// Dots gathered to be drawn together with one widening of the pen.
struct Dots {
    std::array<Vec, 3 * SettingOf(Bar::Waves).max + 1> at{};
    int count = 0;

    void Add(Vec p) { at[static_cast<std::size_t>(count++)] = p; }
    void Draw(Surface& s, int width, Colour colour) const {
        if (count == 0) {
            return;
        }
        s.DrawWidth(width);
        for (int i = 0; i < count; ++i) {
            const Vec p = at[static_cast<std::size_t>(i)];
            s.PSet(F(p.x), F(p.y), colour);
        }
        s.DrawWidth(1);
    }
};

enum class Side { Above, Below };

// Counter-clockwise arcs in radians, start in [0, 2 pi).
struct ArcSpan {
    double start = 0;
    double sweep = 0;
};
struct ArcSpans {
    std::array<ArcSpan, 2> span{};
    int count = 0;
};

// The part of the arc of the circle about `centre` that lies on one side of
// the boundary: none, one or two spans.
ArcSpans ClipToSide(Vec centre, double radius, ArcSpan arc, Side side);

// Draws the spans of one circle.
void DrawSpans(Surface& s, Vec centre, double radius, const ArcSpans& spans, Colour colour);

// Whether any of the circle can show in the frame: false when it lies wholly
// outside it or wholly around it.
inline bool CircleMeetsFrame(const WorldBounds& f, Vec c, double r) {
    if (c.x + r < f.left || c.x - r > f.right || c.y + r < f.bottom || c.y - r > f.top) {
        return false;
    }
    const double dx = std::max(std::abs(c.x - f.left), std::abs(c.x - f.right));
    const double dy = std::max(std::abs(c.y - f.top), std::abs(c.y - f.bottom));
    return dx * dx + dy * dy > r * r;
}

// Whether a segment's bounding box meets the frame.
inline bool SegmentMeetsFrame(const WorldBounds& f, const Segment& s) {
    return std::max(s.a.x, s.b.x) >= f.left && std::min(s.a.x, s.b.x) <= f.right &&
           std::max(s.a.y, s.b.y) >= f.bottom && std::min(s.a.y, s.b.y) <= f.top;
}

}  // namespace orvath::exact
