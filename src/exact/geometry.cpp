// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/geometry.h"

#include <algorithm>

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

}  // namespace orvath::exact
