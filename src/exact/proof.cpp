// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <string_view>

#include "exact/geometry.h"
#include "exact/palette.h"
#include "exact/pen.h"
#include "exact/steps.h"

namespace orvath::exact {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kLegWidth = 2;
// Rough width of the longest line of values, in line heights.
constexpr double kTextWidth = 11;

std::string Fixed(double value, int decimals) {
    char text[32];
#if defined(__cpp_lib_to_chars)
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return {text, end};
#else
    // The web build's C++ library has no floating-point to_chars; its printf
    // runs in the C locale there and gives the same digits.
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
#endif
}

void PrintAt(Surface& s, Vec at, std::string_view text) {
    s.SetCurrent(F(at.x), F(at.y));
    s.Print(text);
}

Vec Unit(Vec v) {
    return (1 / Length(v)) * v;
}

// The corner mark of a right angle at `corner` between the legs towards a
// and b.
void DrawRightAngle(Surface& s, Vec corner, Vec a, Vec b, double size) {
    const Vec u = size * Unit(a - corner);
    const Vec v = size * Unit(b - corner);
    DrawSegment(s, corner + u, corner + u + v, kProof);
    DrawSegment(s, corner + u + v, corner + v, kProof);
}

// The live values beside the triangles, one short line each, under a title
// at the critical angle and beyond it.
void PrintValues(const Construction& c, Vec at, Surface& s) {
    const Optics& o = c.optics;
    const std::string theta1 = "θ1 = " + std::to_string(o.angleDeg) + "°";
    const std::string n = "c1 / c2 = n = " + Fixed(o.index, 2);
    std::string lines[6];
    if (o.angleDeg == 0) {
        lines[1] = theta1 + "   θ2 = 0°";
        lines[2] = "λ2 = λ1 / n = " + Fixed(o.wavelength2, 1);
    } else if (o.verdict == CriticalVerdict::Greater) {
        lines[0] = "total reflection";
        lines[1] = theta1 + "   no θ2";
        lines[2] = "sin θ1 = c1·Δt / d = " + Fixed(o.sin1, 3);
        lines[3] = "c2·Δt / d = " + Fixed(o.sin1 / o.index, 2) + " > 1";
        // Where the front meets the boundary runs slower than c2.
        lines[4] = "c1 / sin θ1 = " + Fixed(o.incident.speed / o.sin1, 2) +
                   " < c2 = " + Fixed(o.refracted.speed, 2);
        lines[5] = n;
    } else {
        if (o.verdict == CriticalVerdict::Critical) {
            lines[0] = "critical angle";
        }
        lines[1] = theta1 + "   θ2 = " + Fixed(o.theta2 * 180 / kPi, 1) + "°";
        lines[2] = "sin θ1 = c1·Δt / d = " + Fixed(o.sin1, 3);
        lines[3] = "sin θ2 = c2·Δt / d = " + Fixed(o.sin2, 3);
        lines[4] = n;
    }
    for (const std::string& line : lines) {
        if (!line.empty()) {
            PrintAt(s, at, line);
            at.y -= c.lineHeight;
        }
    }
}

// Where the values go: above the boundary left of A and clear of A's ray, or
// under the triangles, whose lowest point is at `lowest`, when the frame
// leaves no room there.
Vec ValuesAt(const Construction& c, Vec a, double lowest) {
    const Optics& o = c.optics;
    const double lh = c.lineHeight;
    const double top = 6.5 * lh;
    const double width = (kTextWidth + 1) * lh;
    const double clear = o.cos1 > 0 ? top * o.sin1 / o.cos1 : 0;
    if (a.x - clear - width >= c.frame.left + lh) {
        return {a.x - clear - width, top};
    }
    return {std::clamp(a.x, c.frame.left + lh, c.frame.right - width), lowest - lh};
}

// The angle mark of `theta` at `corner` from the direction `from`, with its
// name just outside it unless the name is empty.
void DrawAngle(Surface& s, Vec corner, double radius, double from, double theta,
               std::string_view name, double lh) {
    s.Circle(F(corner.x), F(corner.y), F(radius), F(from), F(from + theta), kProof);
    if (name.empty()) {
        return;
    }
    const double mid = from + theta / 2;
    const Vec label = corner + (radius + 0.4 * lh) * Vec{std::cos(mid), std::sin(mid)};
    PrintAt(s, label + Vec{std::cos(mid) < 0 ? -1.6 * lh : 0, std::sin(mid) < 0 ? 0 : 0.8 * lh},
            name);
}

}  // namespace

// Two neighbouring hit points A and B, d apart. While the incident front
// still has c1 Δt to go to B, the wavelet about A grows to c2 Δt: both legs
// are perpendicular to a front, so sin θ1 = c1 Δt / d and sin θ2 = c2 Δt / d.
void DrawProof(const Construction& c, Surface& s) {
    const Optics& o = c.optics;
    const HitRow& rays = c.rays;
    const double lh = c.lineHeight;
    const double middle = (c.frame.left + c.frame.right) / 2;
    const int i = std::clamp(static_cast<int>(std::floor((middle - rays.first) / rays.step - 0.5)),
                             0, rays.count - 2);
    const Vec a{rays.At(i), 0};
    const Vec b{rays.At(i + 1), 0};
    if (o.angleDeg == 0) {
        PrintValues(c, ValuesAt(c, a, 0), s);
        return;
    }

    // The incident triangle: the front through A, and c1 Δt along B's ray.
    const double d = b.x - a.x;
    const double c1 = c.Speed1();
    const double dt = d * o.sin1 / c1;
    const Vec foot = b - c1 * dt * o.incident.direction;
    const Vec along{o.cos1, o.sin1};  // the incident front, up the boundary
    DrawWideSegment(s, kLegWidth, a, b, kProof);
    DrawWideSegment(s, kLegWidth, foot, b, kProof);
    DrawSegment(s, a, foot, kProof);
    DrawRightAngle(s, foot, a, b, std::min(2.5, 0.25 * c1 * dt));
    // The names of the sides and angles, where the triangles leave room.
    const bool roomy = d >= 5 * lh;
    const auto name = [&](Vec at, std::string_view text) {
        if (roomy) {
            PrintAt(s, at, text);
        }
    };
    name(foot + 0.5 * (b - foot) + 0.5 * lh * along + Vec{0, 0.5 * lh}, "c1·Δt");
    const bool critical = o.verdict == CriticalVerdict::Critical;
    name(a + Vec{0.5 * d - 0.3 * lh, 1.1 * lh}, critical ? "d = c2·Δt" : "d");

    // The wavelet about A when the front reaches B.
    const double grown = o.refracted.speed * dt;
    s.DrawStyle(LineStyle::Dotted);
    s.Circle(F(a.x), F(a.y), F(grown), F(kPi), F(2 * kPi), kProof);
    s.DrawStyle(LineStyle::Solid);

    const double arc = std::min(0.3 * d, 8.0);
    DrawAngle(s, a, arc, 0, o.theta1, roomy ? "θ1" : "", lh);
    const Vec touch = a + grown * o.refracted.direction;
    if (c.Refracts()) {
        // At the critical angle the radius lies along d and touches at B.
        if (!critical) {
            const Vec up{o.cos2, o.sin2};  // the refracted front, towards B
            DrawWideSegment(s, kLegWidth, a, touch, kProof);
            DrawSegment(s, touch, b, kProof);
            DrawRightAngle(s, touch, a, b, std::min(2.5, 0.25 * grown));
            name(a + 0.5 * (touch - a) - 0.5 * lh * up + Vec{-2.2 * lh, 0.5 * lh}, "c2·Δt");
        }
        DrawAngle(s, b, arc, kPi, o.theta2, roomy ? "θ2" : "", lh);
    } else {
        // The wavelet has outgrown d: no tangent from B.
        DrawSegment(s, a, a - Vec{0, grown}, kProof);
        name(a - Vec{-0.5 * lh, 0.5 * grown}, "c2·Δt");
    }
    PrintValues(c, ValuesAt(c, a, c.Refracts() ? touch.y : 0), s);
}

}  // namespace orvath::exact
