// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/proof.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "exact/geometry.h"
#include "exact/palette.h"
#include "exact/pen.h"
#include "model/critical_angle.h"
#include "model/mystery.h"
#include "model/number_format.h"

#include "text/translate.h"

namespace orvath::exact {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kLegWidth = 2;

Vec Unit(Vec v) {
    return (1 / Length(v)) * v;
}

Vec Direction(double angle) {
    return {std::cos(angle), std::sin(angle)};
}

// The corner mark of a right angle at `corner` between the legs towards a
// and b.
void DrawRightAngle(Surface& s, Vec corner, Vec a, Vec b, double size) {
    const Vec u = size * Unit(a - corner);
    const Vec v = size * Unit(b - corner);
    DrawSegment(s, corner + u, corner + u + v, kProof);
    DrawSegment(s, corner + u + v, corner + v, kProof);
}

void DrawLeg(Surface& s, LabelLayout& layout, int width, Vec a, Vec b) {
    width > 1 ? DrawWideSegment(s, width, a, b, kProof) : DrawSegment(s, a, b, kProof);
    layout.KeepInSight({a, b});
}

// The live values, one short line each, under the critical-angle message.
Block Values(const Construction& c, LabelLayout& layout) {
    const Optics& o = c.optics;
    // What tells the index, or kHiddenValue while a mystery medium is on.
    const auto told = [&c](double value, int decimals) {
        return c.indexHidden ? std::string(kHiddenValue) : FormatFixed(value, decimals);
    };
    Block lines;
    const auto line = [&](std::initializer_list<std::string_view> pieces) {
        layout.AddLine(lines, layout.Keep(pieces));
    };
    const std::string theta1 = "θ1 = " + std::to_string(o.angleDeg) + "°";
    layout.AddLine(lines, CriticalMessage(o.verdict));
    if (o.angleDeg == 0) {
        line({theta1, "   θ2 = 0°"});
        line({"λ2 = λ1 / n = ", told(o.wavelength2, 1)});
    } else if (o.verdict == CriticalVerdict::Greater) {
        const std::string noTheta2 = TrFormat("%1   no θ2", {theta1});
        layout.AddLine(lines, Tr("total reflection"));
        line({noTheta2});
        line({"sin θ1 = c1·Δt / d = ", FormatFixed(o.sin1, 3)});
        line({"c2·Δt / d = ", told(o.sin1 / o.index, 2), " > 1"});
        // Where the front meets the boundary runs slower than c2.
        line({"c1 / sin θ1 = ", FormatFixed(o.incident.speed / o.sin1, 2),
              " < c2 = ", told(o.refracted.speed, 2)});
    } else {
        if (o.verdict == CriticalVerdict::Critical) {
            layout.AddLine(lines, Tr("critical angle"));
        }
        line({theta1, "   θ2 = ", told(o.theta2 * 180 / kPi, 1), "°"});
        line({"sin θ1 = c1·Δt / d = ", FormatFixed(o.sin1, 3)});
        line({"sin θ2 = c2·Δt / d = ", told(o.sin2, 3)});
    }
    line({"c1 / c2 = n = ", told(o.index, 2)});
    return lines;
}

// Where the values may go, best first (top-left corners): above the
// boundary left of A and clear of A's ray, under the triangles, right of B
// above and below the boundary, then the frame's corners.
std::array<Vec, 8> ValueCorners(const Construction& c, const ProofFigure& p, const Box& block) {
    const double width = block.right - block.left;
    const double height = block.top - block.bottom;
    const double gap = 0.5 * c.em;
    const Optics& o = c.optics;
    const double top = height + gap;
    const double clear = o.cos1 > 0 ? top * o.sin1 / o.cos1 : 0;
    const double lowest = std::min({0.0, p.touch.y, p.foot.y, -p.grown}) - gap;
    const WorldBounds& f = c.frame;
    return {{
        {p.a.x - clear - width - gap, top},
        {std::clamp(p.a.x - width / 2, f.left + gap, f.right - width - gap), lowest},
        {p.b.x + gap, top},
        {p.b.x + gap, -gap},
        {p.a.x - width - gap, -gap},
        {f.right - width - gap, f.top - gap},
        {f.right - width - gap, f.bottom + height + gap},
        {f.left + gap, f.bottom + height + gap},
    }};
}

}  // namespace

ProofFigure MakeProofFigure(const Construction& c) {
    const Optics& o = c.optics;
    const HitRow& rays = c.rays;
    const double middle = (c.frame.left + c.frame.right) / 2;
    const int i = std::clamp(static_cast<int>(std::floor((middle - rays.first) / rays.step - 0.5)),
                             0, rays.count - 2);
    ProofFigure p;
    p.a = {rays.At(i), 0};
    p.b = {rays.At(i + 1), 0};
    p.d = p.b.x - p.a.x;
    p.dt = p.d * o.sin1 / c.Speed1();
    p.foot = p.b - c.Speed1() * p.dt * o.incident.direction;
    p.grown = o.refracted.speed * p.dt;
    p.touch = p.a + p.grown * o.refracted.direction;
    p.arc = std::min(0.3 * p.d, 8.0);
    return p;
}

void DrawProofLines(const Construction& c, const ProofFigure& p, LabelLayout& layout, Surface& s) {
    const Optics& o = c.optics;
    if (o.angleDeg == 0) {
        return;
    }
    DrawLeg(s, layout, kLegWidth, p.a, p.b);
    DrawLeg(s, layout, kLegWidth, p.foot, p.b);
    DrawLeg(s, layout, 1, p.a, p.foot);
    DrawRightAngle(s, p.foot, p.a, p.b, std::min(2.5, 0.25 * c.Speed1() * p.dt));

    // The wavelet about A when the front reaches B.
    s.DrawStyle(LineStyle::Dotted);
    s.Circle(F(p.a.x), F(p.a.y), F(p.grown), F(kPi), F(2 * kPi), kProof);
    s.DrawStyle(LineStyle::Solid);

    s.Circle(F(p.a.x), F(p.a.y), F(p.arc), 0, F(o.theta1), kProof);
    if (c.Refracts()) {
        // At the critical angle the radius lies along d and touches at B.
        if (o.verdict != CriticalVerdict::Critical) {
            DrawLeg(s, layout, kLegWidth, p.a, p.touch);
            DrawLeg(s, layout, 1, p.touch, p.b);
            DrawRightAngle(s, p.touch, p.a, p.b, std::min(2.5, 0.25 * p.grown));
        }
        s.Circle(F(p.b.x), F(p.b.y), F(p.arc), F(kPi), F(kPi + o.theta2), kProof);
    } else {
        // The wavelet has outgrown d: no tangent from B.
        DrawLeg(s, layout, 1, p.a, p.a - Vec{0, p.grown});
    }
}

void PlaceProofValues(const Construction& c, const ProofFigure& p, LabelLayout& layout) {
    const Block values = Values(c, layout);
    layout.PlaceBlock(values, ValueCorners(c, p, values.bounds), true);
}

void PlaceProofNames(const Construction& c, const ProofFigure& p, LabelLayout& layout) {
    const Optics& o = c.optics;
    // Only where the triangles are wide enough to tell the names apart.
    if (o.angleDeg == 0 || p.d < 5 * c.em) {
        return;
    }
    const Vec up{0, 1};
    const Vec down{0, -1};
    const bool critical = o.verdict == CriticalVerdict::Critical;
    // Right beside the side it names.
    layout.PlaceBeside(0.5 * (p.a + p.b), {up, down}, critical ? "d = c2·Δt" : "d", 0);
    // Each leg's name beside its middle, on the side away from the triangle
    // (which lies towards A).
    const Vec alongFront{o.cos1, o.sin1};
    layout.PlaceBeside(0.5 * (p.foot + p.b), {alongFront, -1 * alongFront, up}, "c1·Δt");
    const double mid1 = o.theta1 / 2;
    layout.PlaceBeside(p.a + p.arc * Direction(mid1), {Direction(mid1), up, Vec{1, 0}}, "θ1");
    if (c.Refracts()) {
        if (!critical) {
            // Away from the triangle, which lies towards B.
            const Vec away{-o.cos2, -o.sin2};
            layout.PlaceBeside(0.5 * (p.a + p.touch), {away, -1 * away, down}, "c2·Δt");
        }
        const double mid2 = kPi + o.theta2 / 2;
        layout.PlaceBeside(p.b + p.arc * Direction(mid2), {Direction(mid2), down, Vec{-1, 0}},
                           "θ2");
    } else {
        layout.PlaceBeside(p.a - Vec{0, 0.5 * p.grown}, {Vec{1, 0}, Vec{-1, 0}}, "c2·Δt");
    }
}

}  // namespace orvath::exact
