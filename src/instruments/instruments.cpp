// SPDX-License-Identifier: GPL-3.0-or-later
#include "instruments/instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "surface/picture_fonts.h"
#include "surface/theme.h"

namespace orvath::instruments {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;
// Ink that stands out from the picture's own colours and from the paper.
constexpr Rgb kInk{90, 30, 130};
constexpr double kStartRulerUnits = 100;
// The rim that turns the protractor, as a share of its radius.
constexpr double kRimShare = 0.18;

float F(double value) {
    return static_cast<float>(value);
}

Point Plus(Point p, double length, double angle) {
    return {p.x + length * std::cos(angle), p.y + length * std::sin(angle)};
}

double Distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double u =
        length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
    return Distance(p, {a.x + u * dx, a.y + u * dy});
}

void Segment(Surface& s, Point a, Point b) {
    s.Line(F(a.x), F(a.y), F(b.x), F(b.y), kInk);
}

// A number centred on `at`, on its paper.
void Label(Surface& s, Point at, int value, double em) {
    const std::string text = std::to_string(value);
    const double width = LabelTextWidthEm(text) * em;
    const double height = (kLabelAscentEm + kLabelDescentEm) * em;
    const Point corner{at.x - width / 2, at.y + height / 2};
    const double pad = 0.1 * em;
    s.Backing(F(corner.x - pad), F(corner.y + pad), F(corner.x + width + pad),
              F(corner.y - height - pad), kBackgroundRgb);
    s.SetCurrent(F(corner.x), F(corner.y));
    s.Print(text);
}

// The ruler's direction and length.
double Angle(const Ruler& r) {
    return std::atan2(r.end.y - r.start.y, r.end.x - r.start.x);
}

}  // namespace

Protractor StartProtractor(const WorldBounds& frame) {
    const double height = frame.top - frame.bottom;
    return {{(frame.left + frame.right) / 2, 0}, 0, 0.3 * height};
}

Ruler StartRuler(const WorldBounds& frame) {
    const double height = frame.top - frame.bottom;
    const Point start{frame.left + 0.05 * frame.Width(), frame.bottom + 0.12 * height};
    return {start, {start.x + kStartRulerUnits, start.y}};
}

void DrawProtractor(const Protractor& p, double em, Surface& s) {
    const Point c = p.centre;
    const double zero = kPi / 2 + p.turn;  // the zero line, as an angle from +x
    s.DrawWidth(2);
    s.Circle(F(c.x), F(c.y), F(p.radius), 0, F(2 * kPi), kInk);
    s.DrawWidth(1);
    // The zero line and the line across it, through the centre.
    Segment(s, Plus(c, p.radius, zero), Plus(c, p.radius, zero + kPi));
    Segment(s, Plus(c, p.radius, zero + kPi / 2), Plus(c, p.radius, zero - kPi / 2));
    for (int degree = 0; degree < 360; ++degree) {
        const double mark = degree % 10 == 0 ? 1.0 : degree % 5 == 0 ? 0.6 : 0.35;
        const double angle = zero + degree * kDegree;
        Segment(s, Plus(c, p.radius, angle), Plus(c, p.radius - mark * em, angle));
    }
    s.SetFont(F(em));
    for (int degree = 0; degree < 360; degree += 10) {
        const int folded = degree % 180 <= 90 ? degree % 180 : 180 - degree % 180;
        Label(s, Plus(c, p.radius - 1.9 * em, zero + degree * kDegree), folded, em);
    }
}

void DrawRuler(const Ruler& r, double em, Surface& s) {
    const double angle = Angle(r);
    const double length = Distance(r.start, r.end);
    const double across = angle - kPi / 2;  // the side the marks stand on
    const double width = 3.2 * em;
    const Point far = Plus(r.start, width, across);
    s.DrawWidth(2);
    Segment(s, r.start, r.end);
    Segment(s, far, Plus(r.end, width, across));
    Segment(s, r.start, far);
    Segment(s, r.end, Plus(r.end, width, across));
    s.DrawWidth(1);
    const int units = static_cast<int>(std::floor(length + 1e-9));
    for (int unit = 0; unit <= units; ++unit) {
        const double mark = unit % 10 == 0 ? 1.1 : unit % 5 == 0 ? 0.75 : 0.4;
        const Point at = Plus(r.start, unit, angle);
        Segment(s, at, Plus(at, mark * em, across));
    }
    s.SetFont(F(em));
    for (int unit = 0; unit <= units; unit += 10) {
        Label(s, Plus(Plus(r.start, unit, angle), 2.1 * em, across), unit, em);
    }
}

Grip GripAt(const Protractor* protractor, const Ruler* ruler, Point at, double reach) {
    if (ruler != nullptr) {
        const double length = Distance(ruler->start, ruler->end);
        const double ends = std::min(reach * 2, length / 4);
        if (Distance(at, ruler->start) <= ends) {
            return Grip::RulerStart;
        }
        if (Distance(at, ruler->end) <= ends) {
            return Grip::RulerEnd;
        }
        if (DistanceToSegment(at, ruler->start, ruler->end) <= reach) {
            return Grip::MoveRuler;
        }
    }
    if (protractor != nullptr) {
        const double distance = Distance(at, protractor->centre);
        if (std::abs(distance - protractor->radius) <=
            std::max(reach, kRimShare * protractor->radius / 2)) {
            return Grip::TurnProtractor;
        }
        if (distance < protractor->radius) {
            return Grip::MoveProtractor;
        }
    }
    return Grip::None;
}

Protractor Dragged(const Protractor& protractor, Grip grip, Point from, Point to) {
    Protractor p = protractor;
    if (grip == Grip::MoveProtractor) {
        p.centre = {p.centre.x + to.x - from.x, p.centre.y + to.y - from.y};
    } else if (grip == Grip::TurnProtractor) {
        const double before = std::atan2(from.y - p.centre.y, from.x - p.centre.x);
        const double after = std::atan2(to.y - p.centre.y, to.x - p.centre.x);
        p.turn = std::remainder(p.turn + after - before, 2 * kPi);
    }
    return p;
}

Ruler Dragged(const Ruler& ruler, Grip grip, Point from, Point to) {
    Ruler r = ruler;
    const Point by{to.x - from.x, to.y - from.y};
    switch (grip) {
        case Grip::MoveRuler:
            r.start = {r.start.x + by.x, r.start.y + by.y};
            r.end = {r.end.x + by.x, r.end.y + by.y};
            break;
        case Grip::RulerStart:
        case Grip::RulerEnd: {
            Point& moved = grip == Grip::RulerStart ? r.start : r.end;
            const Point& fixed = grip == Grip::RulerStart ? r.end : r.start;
            const Point wanted{moved.x + by.x, moved.y + by.y};
            // Never shorter than ten units, so that it can still be held.
            const double length = std::max(10.0, Distance(wanted, fixed));
            moved = Plus(fixed, length, std::atan2(wanted.y - fixed.y, wanted.x - fixed.x));
            break;
        }
        default:
            break;
    }
    return r;
}

Protractor KeptInFrame(const Protractor& protractor, const WorldBounds& frame) {
    Protractor p = protractor;
    // The centre stays where its marks can still be read.
    const double inset =
        std::min(0.5 * p.radius, 0.5 * std::min(frame.Width(), frame.top - frame.bottom));
    p.centre.x = std::clamp(p.centre.x, frame.left + inset,
                            std::max(frame.left + inset, frame.right - inset));
    p.centre.y = std::clamp(p.centre.y, frame.bottom + inset,
                            std::max(frame.bottom + inset, frame.top - inset));
    return p;
}

Ruler KeptInFrame(const Ruler& ruler, const WorldBounds& frame) {
    Ruler r = ruler;
    const double left = std::min(r.start.x, r.end.x);
    const double right = std::max(r.start.x, r.end.x);
    const double bottom = std::min(r.start.y, r.end.y);
    const double top = std::max(r.start.y, r.end.y);
    const auto shift = [](double low, double high, double from, double to) {
        if (high - low > to - from) {
            return from - low;
        }
        return low < from ? from - low : high > to ? to - high : 0.0;
    };
    const double dx = shift(left, right, frame.left, frame.right);
    const double dy = shift(bottom, top, frame.bottom, frame.top);
    r.start = {r.start.x + dx, r.start.y + dy};
    r.end = {r.end.x + dx, r.end.y + dy};
    return r;
}

Point Snapped(Point dropped, std::span<const double> hitXs, double near) {
    if (std::abs(dropped.y) > near || hitXs.empty()) {
        return dropped;
    }
    const auto nearest = std::min_element(hitXs.begin(), hitXs.end(), [&](double a, double b) {
        return std::abs(a - dropped.x) < std::abs(b - dropped.x);
    });
    return std::abs(*nearest - dropped.x) <= near ? Point{*nearest, 0} : dropped;
}

double Reading(const Protractor& p, Point towards) {
    const double zero = kPi / 2 + p.turn;
    const double angle = std::atan2(towards.y - p.centre.y, towards.x - p.centre.x) - zero;
    const double fromZero = std::abs(std::remainder(angle, 2 * kPi)) / kDegree;  // 0..180
    return fromZero <= 90 ? fromZero : 180 - fromZero;
}

}  // namespace orvath::instruments
