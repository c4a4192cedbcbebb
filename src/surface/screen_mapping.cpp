// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/screen_mapping.h"

#include <algorithm>
#include <cmath>

namespace orvath {
namespace {

// To the nearest whole number, halves away from zero, as the window's
// toolkit rounds geometry.
int Rounded(double value) {
    return static_cast<int>(value + std::copysign(0.5, value));
}

}  // namespace

ScreenMapping::ScreenMapping(const WorldFrame& frame, double widthPx, double heightPx,
                             const Zoom& zoom)
    : zoom_(Limited(zoom, frame)),
      originX_(frame.left),
      originY_(frame.top),
      scaleX_(widthPx / (static_cast<double>(frame.right) - frame.left)),
      scaleY_(heightPx / (static_cast<double>(frame.top) - frame.bottom)) {
    if (!zoom_.Whole()) {
        const double width = static_cast<double>(frame.right) - frame.left;
        const double height = static_cast<double>(frame.top) - frame.bottom;
        originX_ = zoom_.centreX - width / zoom_.factor / 2;
        originY_ = zoom_.centreY + height / zoom_.factor / 2;
        scaleX_ *= zoom_.factor;
        scaleY_ *= zoom_.factor;
    }
    area_ = ToWorld(0, 0, widthPx, heightPx);
}

ViewRect ScreenMapping::ToWorld(double left, double top, double right, double bottom) const {
    const double x1 = WorldX(left);
    const double x2 = WorldX(right);
    const double y1 = WorldY(top);
    const double y2 = WorldY(bottom);
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

PixelRect ScreenMapping::ToPixelRect(float left, float top, float width, float height) const {
    // The panel's single-precision placements, differenced as the panel does.
    const float fromLeft = left - static_cast<float>(originX_);
    const float fromTop = static_cast<float>(originY_) - top;
    const double x = fromLeft * scaleX_;
    const double y = fromTop * scaleY_;
    const double w = (x + width * scaleX_) - x;
    const double h = (y + height * scaleY_) - y;
    const int px = Rounded(x);
    const int py = Rounded(y);
    return {px, py, Rounded(w + (x - px) / 2), Rounded(h + (y - py) / 2)};
}

}  // namespace orvath
