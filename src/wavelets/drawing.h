// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

namespace orvath::wavelets {

// Rounds a double to the single precision in which arrays hold their
// elements and the surface takes its numbers.
inline float F(double value) {
    return static_cast<float>(value);
}

inline double Sq(double value) {
    return value * value;
}

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kIncidentRayPink{255, 5, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// A segment computed in double, handed over in single precision.
inline void Segment(Surface& surface, double x1, double y1, double x2, double y2,
                    Colour colour = kForeground) {
    surface.Line(F(x1), F(y1), F(x2), F(y2), colour);
}

// An arc computed in double, handed over in single precision.
inline void Arc(Surface& surface, double x, double y, double radius, double start, double end,
                Colour colour = kForeground) {
    surface.Circle(F(x), F(y), F(radius), F(start), F(end), colour);
}

// A dot drawn with a wide pen; the pen goes back to width 1 right after.
inline void WideDot(Surface& surface, int width, double x, double y, Colour colour) {
    surface.DrawWidth(width);
    surface.PSet(F(x), F(y), colour);
    surface.DrawWidth(1);
}

}  // namespace orvath::wavelets
