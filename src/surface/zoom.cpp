// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/zoom.h"

#include <algorithm>
#include <cmath>

namespace orvath {
namespace {

// The centre along one axis of a frame from `low` to `high`, shown 1/factor
// of its length: the view may not leave the frame.
double LimitedCentre(double centre, double low, double high, double factor) {
    const double half = (high - low) / factor / 2;
    if (!std::isfinite(centre)) {
        centre = (low + high) / 2;
    }
    return std::clamp(centre, low + half, high - half);
}

}  // namespace

Zoom Limited(const Zoom& zoom, const WorldFrame& frame) {
    Zoom limited;
    limited.factor =
        std::isnan(zoom.factor) ? kMinZoom : std::clamp(zoom.factor, kMinZoom, kMaxZoom);
    const double left = std::min(frame.left, frame.right);
    const double right = std::max(frame.left, frame.right);
    const double bottom = std::min(frame.top, frame.bottom);
    const double top = std::max(frame.top, frame.bottom);
    limited.centreX = LimitedCentre(zoom.centreX, left, right, limited.factor);
    limited.centreY = LimitedCentre(zoom.centreY, bottom, top, limited.factor);
    return limited;
}

Zoom ZoomedAbout(const Zoom& zoom, const WorldFrame& frame, double factor, double x, double y) {
    const Zoom from = Limited(zoom, frame);
    Zoom to = from;
    to.factor = Limited({factor, from.centreX, from.centreY}, frame).factor;
    // The point keeps its offset from the centre in pixels, so its offset in
    // world units shrinks by the change of magnification.
    const double keep = from.factor / to.factor;
    to.centreX = x - (x - from.centreX) * keep;
    to.centreY = y - (y - from.centreY) * keep;
    return Limited(to, frame);
}

Zoom Panned(const Zoom& zoom, const WorldFrame& frame, double dx, double dy) {
    const Zoom from = Limited(zoom, frame);
    return Limited({from.factor, from.centreX + dx, from.centreY + dy}, frame);
}

}  // namespace orvath
