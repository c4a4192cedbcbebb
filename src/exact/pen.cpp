// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/pen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvath::exact {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kShortest = 1e-9;

// The angle moved into [0, 2 pi), from within a few turns of it.
double Wrap(double angle) {
    while (angle < 0) {
        angle += kTurn;
    }
    while (angle >= kTurn) {
        angle -= kTurn;
    }
    return angle;
}

void Add(ArcSpans& spans, double start, double end) {
    if (end - start > kShortest) {
        spans.span[static_cast<std::size_t>(spans.count++)] = {Wrap(start), end - start};
    }
}

}  // namespace

ArcSpans ClipToSide(Vec centre, double radius, ArcSpan arc, Side side) {
    // Angles where the circle is on the wanted side: sin(a) >= q above the
    // boundary, sin(a) <= q below it.
    const double q = -centre.y / radius;
    double from = 0;
    double to = kTurn;
    if (side == Side::Above ? q >= 1 : q <= -1) {
        return {};
    }
    if (std::abs(q) >= 1) {
        ArcSpans whole;
        Add(whole, arc.start, arc.start + arc.sweep);
        return whole;
    }
    {
        const double a = std::asin(q);
        from = side == Side::Above ? a : std::numbers::pi - a;
        to = side == Side::Above ? std::numbers::pi - a : kTurn + a;
    }
    const double start = from + Wrap(arc.start - from);
    const double end = start + arc.sweep;
    ArcSpans spans;
    Add(spans, start, std::min(end, to));
    Add(spans, from + kTurn, std::min(end, to + kTurn));
    return spans;
}

void DrawSpans(Surface& s, Vec centre, double radius, const ArcSpans& spans, Colour colour) {
    for (int i = 0; i < spans.count; ++i) {
        const ArcSpan& span = spans.span[static_cast<std::size_t>(i)];
        double end = span.start + span.sweep;
        if (end > kTurn) {
            end -= kTurn;
        }
        s.Circle(F(centre.x), F(centre.y), F(radius), F(span.start), F(end), colour);
    }
}

}  // namespace orvath::exact
