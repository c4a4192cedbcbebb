// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"
#include "surface/view_clip.h"
#include "surface/zoom.h"

namespace orvath {

// A rectangle of whole pixels, y down.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The one mapping between the world units of a frame and the pixels of an
// area of widthPx x heightPx that shows it, y down: the window's painter and
// its widgets, and the page's packer and its elements, all place through it.
// A zoom shows part of the frame on the whole area; the panel's controls are
// always placed on the whole picture.
class ScreenMapping {
  public:
    ScreenMapping(const WorldFrame& frame, double widthPx, double heightPx, const Zoom& zoom = {});

    // Pixels per world unit across and down (negative when y runs down).
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }
    double X(double x) const { return (x - originX_) * scaleX_; }
    double Y(double y) const { return (originY_ - y) * scaleY_; }
    // The world point at a pixel.
    double WorldX(double px) const { return originX_ + px / scaleX_; }
    double WorldY(double py) const { return originY_ - py / scaleY_; }
    // The zoom within its limits; the whole picture when none was given.
    const Zoom& ZoomShown() const { return zoom_; }

    // A rectangle of pixels in world units.
    ViewRect ToWorld(double left, double top, double right, double bottom) const;
    // The whole area in world units.
    ViewRect Area() const { return area_; }

    // A rectangle of the panel's placements (top-left corner, width to the
    // right, height downwards, in single precision as the panel places) in
    // whole pixels, rounded as the window's widget geometry rounds: the
    // corner to the nearest pixel, the size corrected by half the corner's
    // rounding.
    PixelRect ToPixelRect(float left, float top, float width, float height) const;

  private:
    Zoom zoom_;
    // The world point at the area's top-left corner.
    double originX_;
    double originY_;
    double scaleX_;
    double scaleY_;
    ViewRect area_;
};

}  // namespace orvath
