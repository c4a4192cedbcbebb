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

ScreenMapping::ScreenMapping(const WorldFrame& frame, double widthPx, double heightPx)
    : frame_(frame),
      scaleX_(widthPx / (static_cast<double>(frame.right) - frame.left)),
      scaleY_(heightPx / (static_cast<double>(frame.top) - frame.bottom)),
      area_(ToWorld(0, 0, widthPx, heightPx)) {}

ViewRect ScreenMapping::ToWorld(double left, double top, double right, double bottom) const {
    const double x1 = frame_.left + left / scaleX_;
    const double x2 = frame_.left + right / scaleX_;
    const double y1 = frame_.top - top / scaleY_;
    const double y2 = frame_.top - bottom / scaleY_;
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

PixelRect ScreenMapping::ToPixelRect(float left, float top, float width, float height) const {
    const float fromLeft = left - frame_.left;
    const float fromTop = frame_.top - top;
    const double x = fromLeft * scaleX_;
    const double y = fromTop * scaleY_;
    const double w = (x + width * scaleX_) - x;
    const double h = (y + height * scaleY_) - y;
    const int px = Rounded(x);
    const int py = Rounded(y);
    return {px, py, Rounded(w + (x - px) / 2), Rounded(h + (y - py) / 2)};
}

}  // namespace orvath
