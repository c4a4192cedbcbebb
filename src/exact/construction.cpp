// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/construction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvath::exact {
namespace {

constexpr double kHuge = std::numeric_limits<double>::infinity();

// The beam's width along the boundary in the continuous picture: under half
// the frame, and narrow enough that its incident front stays below the top
// 40 % and its refracted front within the bottom 80 % once the beam is in.
double BeamWidth(const Optics& o, const WorldBounds& frame) {
    const double incidentSpread = o.sin1 * o.cos1;
    const double refractedSpread = o.sin2 * o.cos2;
    const double byTop = incidentSpread > 0 ? 0.6 * frame.top / incidentSpread : kHuge;
    const double byBottom = refractedSpread > 0 ? 0.8 * -frame.bottom / refractedSpread : kHuge;
    return std::min({0.45 * frame.Width(), byTop, byBottom});
}

}  // namespace

Construction MakeConstruction(const Scene& scene, const ExactChoices& choices) {
    Construction c;
    c.optics = MakeOptics(scene);
    c.frame = scene.Bounds();
    c.period = scene.period;
    c.showReflected = choices.reflection || c.optics.verdict != CriticalVerdict::Less;
    c.showKey = choices.key;
    c.indexHidden = choices.indexHidden;
    c.em = LabelEm(choices.theme, c.frame.top - c.frame.bottom, scene.heightPx);
    c.controls = scene.controls;
    const int waves = ClampToRange(Bar::Waves, scene.bars.waves);
    const double timeBar = ClampToRange(Bar::Time, scene.bars.time) / 100.0;
    const WorldBounds& f = c.frame;

    if (choices.picture == DisplayMode::Wavelets) {
        c.time = timeBar;
        c.origin = Dot(c.optics.incident.direction, {f.left, f.top});
        c.periods = static_cast<int>(std::floor(c.time / c.period));
        c.emitTime = c.periods * c.period;
        const double step = f.Width() / waves;
        c.wavelets = {f.left + step / 2, step, waves};
        c.rays = c.wavelets;
    } else {
        c.time = timeBar * c.period;
        const double width = BeamWidth(c.optics, f);
        const double left = f.left + 0.55 * f.Width() - width / 2;
        c.origin = left * c.optics.sin1;
        c.periods = static_cast<int>(std::floor(timeBar));
        c.emitTime = 0;
        c.wavelets = {left, width / (waves - 1), waves};
        c.rays = {left, width / 2, 3};
    }
    return c;
}

}  // namespace orvath::exact
