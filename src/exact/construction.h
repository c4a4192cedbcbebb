// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "exact/exact_view.h"
#include "exact/optics.h"

namespace orvath::exact {

// Evenly spaced points of the boundary, by their x.
struct HitRow {
    double first = 0;
    double step = 0;
    int count = 0;

    double At(int i) const { return first + step * i; }
    double Last() const { return At(count - 1); }
};

struct Segment {
    Vec a;
    Vec b;
};

enum class Wave { Incident, Refracted, Reflected };

// Everything a redraw computes before it draws. Times are in the program's
// time unit, lengths in world units.
struct Construction {
    Optics optics;
    WorldBounds frame;
    double period = 0;  // T
    double time = 0;
    // Dot(incident direction, p) for the points p of the incident front at
    // time 0: through the top-left corner (wavelets) or through the point
    // where the beam's left edge meets the boundary (continuous).
    double origin = 0;
    // When the wavelets in medium 1 left their centres: the last whole period
    // (wavelets), time 0 (continuous).
    double emitTime = 0;
    int periods = 0;  // whole periods since time 0
    HitRow wavelets;  // where the wavelets' rays meet the boundary
    HitRow rays;      // where the drawn rays meet the boundary
    bool showReflected = false;
    bool showKey = true;
    bool indexHidden = false;  // a mystery medium: its texts show kHiddenValue
    // The texts' em height, and the part of the picture under the panel's
    // controls, where no text may go.
    double em = 4.4;
    WorldBounds controls;

    bool Refracts() const { return optics.verdict != CriticalVerdict::Greater; }
    // The wave's speed in medium 1, c1.
    double Speed1() const { return optics.incident.speed; }
    const Medium& MediumOf(Wave wave) const {
        return wave == Wave::Incident    ? optics.incident
               : wave == Wave::Refracted ? optics.refracted
                                         : optics.reflected;
    }
    // When the incident front reaches the boundary at x.
    double HitTime(double x) const { return (x * optics.sin1 - origin) * (1 / Speed1()); }
    // Where the wave through the boundary point x is at time `when`, in the
    // given medium: before the hit for the incident wave, after it otherwise.
    Vec PointAt(const Medium& medium, double x, double when) const {
        return Vec{x, 0} + medium.speed * (when - HitTime(x)) * medium.direction;
    }
};

Construction MakeConstruction(const Scene& scene, const ExactChoices& choices);

}  // namespace orvath::exact
