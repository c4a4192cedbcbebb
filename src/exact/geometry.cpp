// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/geometry.h"

#include <algorithm>
#include <limits>

namespace orvath::exact {
namespace {

// The front of a wave at time `when` across the wavelets' rays: the points of
// the incident wave not yet at the boundary, or of an outgoing wave already
// past it. Nothing where no such point exists.
std::optional<Segment> FrontAt(const Construction& c, Wave wave, double when) {
    const bool incoming = wave == Wave::Incident;
    double from = c.wavelets.first;
    double to = c.wavelets.Last();
    if (c.optics.sin1 > 0) {
        const double reach = ReachAt(c, when);
        if (incoming) {
            from = std::max(from, reach);
        } else {
            to = std::min(to, reach);
        }
    } else {
        // Along the normal the whole row is hit at once.
        const double hit = c.HitTime(from);
        if (incoming ? hit < when : hit > when) {
            return std::nullopt;
        }
    }
    if (!(from < to)) {
        return std::nullopt;
    }
    const Medium& medium = c.MediumOf(wave);
    return Segment{c.PointAt(medium, from, when), c.PointAt(medium, to, when)};
}

}  // namespace

std::optional<Wavelet> WaveletAt(const Construction& c, Wave wave, double x) {
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

double ReachAt(const Construction& c, double when) {
    return (c.origin + c.Speed1() * when) / c.optics.sin1;
}

std::optional<Segment> FrontOf(const Construction& c, Wave wave, double when) {
    if (wave != Wave::Refracted || c.optics.verdict == CriticalVerdict::Less) {
        return FrontAt(c, wave, when);
    }
    const double first = c.wavelets.first;
    if (c.optics.verdict == CriticalVerdict::Greater || !(when > c.HitTime(first))) {
        return std::nullopt;
    }
    // Every secondary wavelet touches the perpendicular at the point where
    // the incident front meets the boundary; it reaches as deep as the
    // oldest of them, at most a wavelength.
    const double depth =
        std::min(c.optics.refracted.speed * (when - c.HitTime(first)), c.optics.wavelength2);
    const double reach = ReachAt(c, when);
    return Segment{{reach, 0}, {reach, -depth}};
}

std::optional<Segment> RayAt(const Construction& c, Wave wave, double x) {
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

double RunInFrame(const WorldBounds& f, double x, Vec d) {
    double run = std::numeric_limits<double>::infinity();
    if (d.x != 0) {
        run = ((d.x > 0 ? f.right : f.left) - x) / d.x;
    }
    if (d.y != 0) {
        run = std::min(run, (d.y > 0 ? f.top : f.bottom) / d.y);
    }
    return run;
}

bool HasRays(const Construction& c, Wave wave) {
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

}  // namespace orvath::exact
