// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "model/scene.h"

namespace orvath::exact {

struct Vec {
    double x = 0;
    double y = 0;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y};
}
inline double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
inline double Length(Vec v) {
    return std::sqrt(Dot(v, v));
}

// A wave in one medium: its speed and its unit direction of travel.
struct Medium {
    double speed = 0;
    Vec direction;
};

// Snell's law for the angle and index bars. Angles are radians from the
// normal; theta2, sin2 and cos2 mean nothing under total reflection.
struct Optics {
    int angleDeg = 0;
    double theta1 = 0;
    double sin1 = 0;
    double cos1 = 1;
    double index = 1;
    double wavelength2 = 0;
    // The critical-angle test of the scene: Less refracts, Greater is total
    // reflection.
    CriticalVerdict verdict = CriticalVerdict::Less;
    double theta2 = 0;
    double sin2 = 0;
    double cos2 = 1;
    Medium incident;   // down and to the right
    Medium refracted;  // into medium 2
    Medium reflected;  // the mirror image of the incident wave
};

// The optics of the scene's bars, by its speeds and its critical-angle test.
Optics MakeOptics(const Scene& scene);

}  // namespace orvath::exact
