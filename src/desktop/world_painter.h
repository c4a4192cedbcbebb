// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSizeF>
#include <utility>
#include <vector>

#include "surface/display_list.h"
#include "surface/screen_mapping.h"
#include "surface/theme.h"
#include "surface/view_clip.h"
#include "surface/zoom.h"
#include "surface/zoomed_labels.h"

namespace orvath {

inline QColor ToQColor(Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

// Colours of the drawing area.
inline const QColor kForegroundColour = ToQColor(kForegroundRgb);
inline const QColor kBackgroundColour = ToQColor(kBackgroundRgb);

// Draws world-space operations with a QPainter onto an area of the given size
// in device pixels, placed by the screen mapping of the frame. It turns
// the surface's radians into Qt's degrees. Lines and arcs are cut to the area,
// so what lies far outside costs next to nothing; what misses `visible` (a
// part being repainted; all of the area when empty) is skipped. Cutting to the
// whole area, not to the part, keeps dashes and edges where a full paint puts
// them. The theme's colours and widths are applied here, as the picture is
// painted. A zoom magnifies the world, not the lines' widths nor the labels
// (see ZoomedLabels).
class WorldPainter {
  public:
    WorldPainter(QPainter& painter, const WorldFrame& frame, QSizeF area, QFont printFont,
                 const QRectF& visible = {}, Theme theme = Theme::Classic, const Zoom& zoom = {});

    void SetWidth(int pixels);
    void SetStyle(LineStyle style);
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    void Arc(float x, float y, float radius, float start, float end, Colour colour);
    void Dot(float x, float y, Colour colour);
    // In the form's font, or in the labels' face emHeight world units high.
    void Text(float x, float y, const QString& text, float emHeight = 0);
    void Backing(float x1, float y1, float x2, float y2, Colour colour);

    QPointF ToPixels(double x, double y) const;
    // A rectangle of device pixels in world units.
    ViewRect ToWorld(const QRectF& pixels) const;

  private:
    QColor ColourOf(Colour colour);
    QPen PenFor(Colour colour);
    // A rectangle in world units grown by the pen width.
    ViewRect WithPen(const ViewRect& rect) const;
    // Where a world point of a label is painted.
    QPointF InLabel(double x, double y) const;

    QPainter& painter_;
    ScreenMapping mapping_;
    ZoomedLabels labels_;
    ViewRect view_;     // the area in world units
    ViewRect visible_;  // the part repainted, in world units
    bool partial_;      // whether only a part of the area is repainted
    QRectF visiblePixels_;
    QFont printFont_;
    QFont labelFont_;
    float labelEm_ = -1;  // the em height labelFont_ is sized for
    Theme theme_;
    double widthScale_;
    std::vector<std::pair<Colour, QColor>> colours_;  // the theme's, as met
    double width_ = 1;
    LineStyle style_ = LineStyle::Solid;
};

// Paints the background and then every operation of the list in the theme
// at the zoom; only what falls inside `visible` (all of the area when empty)
// costs drawing time. A large area is painted in bands of rows that stay in
// the processor's cache.
void PaintDisplayList(const DisplayList& list, QPainter& painter, QSizeF area,
                      const QFont& printFont, const QRectF& visible = {},
                      Theme theme = Theme::Classic, const Zoom& zoom = {});

// The same for what is laid over a picture already painted: no background.
void PaintOverlay(const DisplayList& list, QPainter& painter, QSizeF area, const QFont& printFont,
                  const QRectF& visible = {}, Theme theme = Theme::Classic, const Zoom& zoom = {});

}  // namespace orvath
