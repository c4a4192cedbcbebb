#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSizeF>

#include "surface/display_list.h"

namespace orvath {

// Colours of the drawing area.
inline const QColor kForegroundColour = Qt::black;
inline const QColor kBackgroundColour = Qt::white;

// Draws world-space operations with a QPainter onto an area of the given size
// in device pixels. It owns the world-to-pixel mapping of the frame and turns
// the surface's radians into Qt's degrees.
class WorldPainter {
  public:
    WorldPainter(QPainter& painter, const WorldFrame& frame, QSizeF area, QFont printFont);

    void SetWidth(int pixels);
    void SetStyle(LineStyle style);
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    void Arc(float x, float y, float radius, float start, float end, Colour colour);
    void Dot(float x, float y, Colour colour);
    void Text(float x, float y, const QString& text);

    QPointF ToPixels(double x, double y) const;

  private:
    QPen PenFor(Colour colour) const;

    QPainter& painter_;
    WorldFrame frame_;
    double scaleX_;
    double scaleY_;
    QFont printFont_;
    int width_ = 1;
    LineStyle style_ = LineStyle::Solid;
};

// Paints the background and then every operation of the list.
void PaintDisplayList(const DisplayList& list, QPainter& painter, QSizeF area,
                      const QFont& printFont);

}  // namespace orvath
