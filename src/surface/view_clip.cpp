// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/view_clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvath {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// The angle in [0, 2 pi).
double Normalised(double angle) {
    const double a = std::fmod(angle, kTurn);
    return a < 0 ? a + kTurn : a;
}

// Narrows [t0, t1] to the side of one edge where p * t <= q.
bool NarrowToEdge(double p, double q, double& t0, double& t1) {
    if (p == 0) {
        return q >= 0;
    }
    const double t = q / p;
    if (p < 0) {
        if (t > t1) {
            return false;
        }
        t0 = std::max(t0, t);
    } else {
        if (t < t0) {
            return false;
        }
        t1 = std::min(t1, t);
    }
    return true;
}

bool Inside(const ViewRect& view, double x, double y, double tolerance) {
    return x >= view.left - tolerance && x <= view.right + tolerance &&
           y >= view.bottom - tolerance && y <= view.top + tolerance;
}

// A fixed-capacity list of angles or spans; extra entries are dropped, which
// only a degenerate circle could ask for.
template <typename T, std::size_t N>
struct SmallList {
    std::array<T, N> items{};
    std::size_t count = 0;

    void Add(const T& item) {
        if (count < N) {
            items[count++] = item;
        }
    }
    T* begin() { return items.data(); }
    T* end() { return items.data() + count; }
};

// Angles at which the circle crosses the rectangle's edges, in [0, 2 pi).
SmallList<double, 8> EdgeCrossings(double cx, double cy, double r, const ViewRect& view) {
    SmallList<double, 8> angles;
    const auto vertical = [&](double x) {
        const double dx = x - cx;
        if (std::abs(dx) > r) {
            return;
        }
        const double h = std::sqrt(r * r - dx * dx);
        for (const double dy : {h, -h}) {
            if (cy + dy >= view.bottom && cy + dy <= view.top) {
                angles.Add(Normalised(std::atan2(dy, dx)));
            }
        }
    };
    const auto horizontal = [&](double y) {
        const double dy = y - cy;
        if (std::abs(dy) > r) {
            return;
        }
        const double w = std::sqrt(r * r - dy * dy);
        for (const double dx : {w, -w}) {
            if (cx + dx >= view.left && cx + dx <= view.right) {
                angles.Add(Normalised(std::atan2(dy, dx)));
            }
        }
    };
    vertical(view.left);
    vertical(view.right);
    horizontal(view.bottom);
    horizontal(view.top);
    std::sort(angles.begin(), angles.end());
    return angles;
}

// An angular range [from, to] in radians, from <= to.
struct Range {
    double from = 0;
    double to = 0;
};

// The pieces of the circle between consecutive crossings whose midpoints lie
// inside the rectangle, neighbours joined.
SmallList<Range, 8> InsideRanges(double cx, double cy, double r, const ViewRect& view,
                                 const SmallList<double, 8>& crossings) {
    const double tolerance = 1e-9 * (r + std::abs(cx) + std::abs(cy));
    SmallList<Range, 8> inside;
    for (std::size_t i = 0; i < crossings.count; ++i) {
        const double from = crossings.items[i];
        const double to =
            i + 1 < crossings.count ? crossings.items[i + 1] : crossings.items[0] + kTurn;
        if (to <= from) {
            continue;
        }
        const double mid = (from + to) / 2;
        if (!Inside(view, cx + r * std::cos(mid), cy + r * std::sin(mid), tolerance)) {
            continue;
        }
        if (inside.count > 0 && inside.items[inside.count - 1].to == from) {
            inside.items[inside.count - 1].to = to;
        } else {
            inside.Add({from, to});
        }
    }
    // A piece that ends where the first one starts, one turn on, continues it.
    if (inside.count > 1 && inside.items[inside.count - 1].to == inside.items[0].from + kTurn) {
        inside.items[0].from = inside.items[inside.count - 1].from - kTurn;
        --inside.count;
    }
    return inside;
}

}  // namespace

ViewRect Expanded(const ViewRect& view, double dx, double dy) {
    return {view.left - dx, view.bottom - dy, view.right + dx, view.top + dy};
}

std::optional<Segment2> ClipSegment(const Segment2& s, const ViewRect& view) {
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    double t0 = 0;
    double t1 = 1;
    if (!NarrowToEdge(-dx, s.x1 - view.left, t0, t1) ||
        !NarrowToEdge(dx, view.right - s.x1, t0, t1) ||
        !NarrowToEdge(-dy, s.y1 - view.bottom, t0, t1) ||
        !NarrowToEdge(dy, view.top - s.y1, t0, t1)) {
        return std::nullopt;
    }
    Segment2 clipped = s;
    if (t0 > 0) {
        clipped.x1 = s.x1 + t0 * dx;
        clipped.y1 = s.y1 + t0 * dy;
    }
    if (t1 < 1) {
        clipped.x2 = s.x1 + t1 * dx;
        clipped.y2 = s.y1 + t1 * dy;
    }
    return clipped;
}

ArcSpans VisibleArcSpans(double cx, double cy, double radius, const AngleSpan& arc,
                         const ViewRect& view) {
    ArcSpans result;
    if (!(radius > 0) || !(arc.sweep > 0)) {
        return result;
    }
    const double nearX = std::clamp(cx, view.left, view.right);
    const double nearY = std::clamp(cy, view.bottom, view.top);
    if (std::hypot(cx - nearX, cy - nearY) > radius) {
        return result;
    }
    const double farX = std::max(std::abs(cx - view.left), std::abs(cx - view.right));
    const double farY = std::max(std::abs(cy - view.bottom), std::abs(cy - view.top));
    if (std::hypot(farX, farY) < radius) {
        return result;
    }
    const SmallList<double, 8> crossings = EdgeCrossings(cx, cy, radius, view);
    if (crossings.count == 0) {
        result.spans[0] = arc;
        result.count = 1;
        return result;
    }

    // Each inside piece meets the arc's range [b, b + sweep] in at most two
    // pieces: the range and its copies one turn either side.
    const double b = Normalised(arc.start);
    SmallList<AngleSpan, 16> pieces;
    for (const Range& range : InsideRanges(cx, cy, radius, view, crossings)) {
        for (const double shift : {-kTurn, 0.0, kTurn}) {
            const double from = std::max(range.from, b + shift);
            const double to = std::min(range.to, b + shift + arc.sweep);
            if (to > from) {
                pieces.Add({from, to - from});
            }
        }
    }
    const auto offset = [&](const AngleSpan& s) { return Normalised(s.start - arc.start); };
    std::sort(pieces.begin(), pieces.end(),
              [&](const AngleSpan& l, const AngleSpan& r) { return offset(l) < offset(r); });
    for (const AngleSpan& piece : pieces) {
        if (result.count < result.spans.size()) {
            result.spans[result.count++] = piece;
        }
    }
    return result;
}

}  // namespace orvath
