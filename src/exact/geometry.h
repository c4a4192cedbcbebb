// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <limits>
#include <optional>

#include "exact/construction.h"

namespace orvath::exact {

struct Wavelet {
    Vec centre;
    double radius = 0;
    bool onBoundary = false;  // a secondary wavelet about its hit point
};

// The wavelet drawn now for the ray through the boundary point x: the
// incident one until the ray reaches the boundary, the outgoing ones after.
// Waves that still carry on along a ray restart their wavelet on the front of
// each whole period, as the incident wave does.
inline std::optional<Wavelet> WaveletAt(const Construction& c, Wave wave, double x) {
    const double hit = c.HitTime(x);
    const Medium& medium = c.MediumOf(wave);
    if (wave == Wave::Incident) {
        if (!(c.time < hit)) {
            return std::nullopt;
        }
        return Wavelet{c.PointAt(medium, x, c.emitTime), medium.speed * (c.time - c.emitTime),
                       false};
    }
    if (!(c.time > hit)) {
        return std::nullopt;
    }
    const bool restarts = wave == Wave::Reflected || c.optics.verdict == CriticalVerdict::Less;
    const double emitted = restarts ? std::max(c.emitTime, hit) : hit;
    return Wavelet{c.PointAt(medium, x, emitted), medium.speed * (c.time - emitted),
                   emitted == hit};
}

// The front of a wave at time `when`, including the refracted front that
// stands perpendicular to the boundary at the critical angle.
std::optional<Segment> FrontOf(const Construction& c, Wave wave, double when);

// Where the incident front meets the boundary at time `when` (angle > 0).
inline double ReachAt(const Construction& c, double when) {
    return (c.origin + c.Speed1() * when) / c.optics.sin1;
}

// How far a ray from the boundary point x runs in the given direction before
// it leaves the frame.
inline double RunInFrame(const WorldBounds& f, double x, Vec d) {
    double run = std::numeric_limits<double>::infinity();
    if (d.x != 0) {
        run = ((d.x > 0 ? f.right : f.left) - x) / d.x;
    }
    if (d.y != 0) {
        run = std::min(run, (d.y > 0 ? f.top : f.bottom) / d.y);
    }
    return run;
}

// Whether the picture draws the rays and fronts of the given wave.
inline bool HasRays(const Construction& c, Wave wave) {
    switch (wave) {
        case Wave::Incident:
            return true;
        case Wave::Refracted:
            return c.Refracts();
        case Wave::Reflected:
            break;
    }
    return c.showReflected;
}

// The ray through the boundary point x: the incident one from the edge of
// the frame, the outgoing ones from the boundary to their current front.
inline std::optional<Segment> RayAt(const Construction& c, Wave wave, double x) {
    const Vec hitPoint{x, 0};
    const Optics& o = c.optics;
    if (wave == Wave::Incident) {
        const double back = RunInFrame(c.frame, x, -1 * o.incident.direction);
        return Segment{hitPoint - back * o.incident.direction, hitPoint};
    }
    if (!HasRays(c, wave) || !(c.time > c.HitTime(x))) {
        return std::nullopt;
    }
    return Segment{hitPoint, c.PointAt(c.MediumOf(wave), x, c.time)};
}

}  // namespace orvath::exact
