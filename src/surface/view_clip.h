// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace orvath {

// An axis-aligned rectangle with y up: left <= right, bottom <= top.
struct ViewRect {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
};

// The rectangle grown by dx on the left and right and by dy at top and bottom.
ViewRect Expanded(const ViewRect& view, double dx, double dy);

struct Segment2 {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// The part of the segment inside the rectangle, in the segment's direction,
// or nothing when the segment misses it.
std::optional<Segment2> ClipSegment(const Segment2& segment, const ViewRect& view);

// Radians counter-clockwise (y up): from start through sweep, 0 < sweep <= 2 pi.
struct AngleSpan {
    double start = 0;
    double sweep = 0;
};

// The visible pieces of an arc, in counter-clockwise order from the arc's
// start. A circle crosses the four edges of a rectangle at most eight times,
// so at most four of its pieces lie inside; cutting out the arc's own range
// can split one of them in two.
struct ArcSpans {
    std::array<AngleSpan, 5> spans{};
    std::size_t count = 0;

    const AngleSpan* begin() const { return spans.data(); }
    const AngleSpan* end() const { return spans.data() + count; }
};

// The pieces of the arc about (cx, cy) with the given radius and angular range
// that lie inside the rectangle. Empty when the circle misses the rectangle or
// encloses it; the whole range when the circle lies inside it.
ArcSpans VisibleArcSpans(double cx, double cy, double radius, const AngleSpan& arc,
                         const ViewRect& view);

}  // namespace orvath
