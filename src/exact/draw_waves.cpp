// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <numbers>

#include "exact/geometry.h"
#include "exact/palette.h"
#include "exact/pen.h"
#include "exact/steps.h"

namespace orvath::exact {
namespace {

constexpr Wave kWaves[] = {Wave::Incident, Wave::Refracted, Wave::Reflected};
constexpr double kPi = std::numbers::pi;

Part FrontPart(Wave wave) {
    return wave == Wave::Incident    ? Part::IncidentFront
           : wave == Wave::Refracted ? Part::RefractedFront
                                     : Part::ReflectedFront;
}

Part WaveletPart(Wave wave) {
    return wave == Wave::Incident    ? Part::IncidentWavelets
           : wave == Wave::Refracted ? Part::RefractedWavelets
                                     : Part::ReflectedWavelets;
}

Part RayPart(Wave wave) {
    return wave == Wave::Incident    ? Part::IncidentRays
           : wave == Wave::Refracted ? Part::RefractedRays
                                     : Part::ReflectedRays;
}

// The part of a wavelet to draw: the half that faces the way its wave
// travels, on its own side of the boundary.
ArcSpans WaveletSpans(Wave wave, const Wavelet& w, ArcSpan forward) {
    if (w.onBoundary && wave != Wave::Incident) {
        return ArcSpans{{ArcSpan{wave == Wave::Refracted ? kPi : 0, kPi}}, 1};
    }
    return ClipToSide(w.centre, w.radius, forward,
                      wave == Wave::Refracted ? Side::Below : Side::Above);
}

// Whole periods whose fronts can reach into the frame: later than the
// incident wave's crossing of the frame and before the outgoing ones left it.
void VisiblePeriods(const Construction& c, int& first, int& last) {
    const WorldBounds& f = c.frame;
    const double across = Length({f.Width(), f.top - f.bottom});
    const double slowest = std::min(c.Speed1(), c.optics.refracted.speed);
    const double from = c.HitTime(c.wavelets.first) - across / c.Speed1();
    const double to = c.HitTime(c.wavelets.Last()) + across / slowest;
    first = std::max(0, static_cast<int>(std::ceil(from / c.period)));
    last = std::min(c.periods, static_cast<int>(std::floor(to / c.period)));
}

}  // namespace

void DrawAxes(const Construction& c, Surface& s) {
    const WorldBounds& f = c.frame;
    s.BeginPart(Part::Axes);
    s.Line(F(f.left), 0, F(f.right), 0, kForeground);
    s.Line(F(f.right), F(f.bottom), F(f.right), F(f.top), kForeground);
}

void DrawEarlierFronts(const Construction& c, Surface& s, Shown& shown) {
    int first = 0;
    int last = 0;
    VisiblePeriods(c, first, last);
    for (const Wave wave : kWaves) {
        if (!HasRays(c, wave)) {
            continue;
        }
        LazyPart part(s, FrontPart(wave));
        bool dashed = false;
        for (int j = first; j <= last; ++j) {
            const auto front = FrontOf(c, wave, j * c.period);
            if (front && SegmentMeetsFrame(c.frame, *front)) {
                if (!dashed) {
                    (*part).DrawStyle(LineStyle::Dashed);
                    dashed = true;
                }
                shown.earlierFronts.at(static_cast<std::size_t>(wave)) = true;
                DrawSegment(*part, front->a, front->b, TrailColour(wave));
            }
        }
    }
    s.DrawStyle(LineStyle::Solid);
}

void DrawWavelets(const Construction& c, Surface& s, Shown& shown) {
    for (const Wave wave : kWaves) {
        if (wave == Wave::Reflected && !c.showReflected) {
            continue;
        }
        const Colour colour = WaveletColour(wave);
        const bool faint = wave == Wave::Refracted && !c.Refracts();
        const Vec d = c.MediumOf(wave).direction;
        const ArcSpan forward{std::atan2(d.y, d.x) - kPi / 2, kPi};
        Dots centres;
        for (int i = 0; i < c.wavelets.count; ++i) {
            // A wavelet just sent out is its centre alone.
            const auto w = WaveletAt(c, wave, c.wavelets.At(i));
            if (!w || !CircleMeetsFrame(c.frame, w->centre, w->radius)) {
                continue;
            }
            const ArcSpans spans = w->radius > 0 ? WaveletSpans(wave, *w, forward) : ArcSpans{};
            if (spans.count > 0 || w->radius == 0) {
                if (centres.count == 0) {
                    s.BeginPart(WaveletPart(wave));
                    if (faint) {
                        s.DrawStyle(LineStyle::Dotted);
                    }
                    shown.wavelets.at(static_cast<std::size_t>(wave)) = true;
                }
                DrawSpans(s, w->centre, w->radius, spans, colour);
                centres.Add(w->centre);
            }
        }
        if (faint && centres.count > 0) {
            s.DrawStyle(LineStyle::Solid);
        }
        centres.Draw(s, kCentreDotWidth, colour);
    }
}

void DrawCurrentFronts(const Construction& c, Surface& s) {
    for (const Wave wave : kWaves) {
        if (!HasRays(c, wave)) {
            continue;
        }
        if (const auto front = FrontOf(c, wave, c.time)) {
            s.BeginPart(FrontPart(wave));
            DrawWideSegment(s, kFrontWidth, front->a, front->b, RayColour(wave));
        }
    }
}

void DrawRays(const Construction& c, Surface& s, Shown& shown) {
    for (const Wave wave : kWaves) {
        LazyPart part(s, RayPart(wave));
        const Colour colour = RayColour(wave);
        for (int i = 0; i < c.rays.count; ++i) {
            if (const auto ray = RayAt(c, wave, c.rays.At(i))) {
                DrawSegment(*part, ray->a, ray->b, colour);
                shown.rays.at(static_cast<std::size_t>(wave)) = true;
            }
        }
    }
}

void DrawTangentPoints(const Construction& c, Surface& s, Shown& shown) {
    constexpr double kSmallest = 0.5;
    const WorldBounds& f = c.frame;
    Dots touches;
    const auto touch = [&](Vec at) {
        if (at.x >= f.left && at.x <= f.right && at.y >= f.bottom && at.y <= f.top) {
            touches.Add(at);
        }
    };
    bool grazing = false;
    for (const Wave wave : kWaves) {
        if (!HasRays(c, wave)) {
            continue;
        }
        for (int i = 0; i < c.wavelets.count; ++i) {
            const double x = c.wavelets.At(i);
            const auto w = WaveletAt(c, wave, x);
            if (!w || w->radius <= kSmallest) {
                continue;
            }
            if (wave == Wave::Refracted && c.optics.verdict == CriticalVerdict::Critical) {
                grazing = true;
            } else {
                touch(c.PointAt(c.MediumOf(wave), x, c.time));
            }
        }
    }
    // At the critical angle every secondary wavelet touches the front at the
    // same point of the boundary.
    if (grazing) {
        touch({ReachAt(c, c.time), 0});
    }
    if (touches.count > 0) {
        shown.tangentPoints = true;
        s.BeginPart(Part::TangentPoints);
        touches.Draw(s, kTangentDotWidth, kTangentDot);
    }
}

}  // namespace orvath::exact
