#include "surface/qt_painter.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace orvath {
namespace {

QColor ToQColor(Colour colour) {
    return colour ? QColor(colour->r, colour->g, colour->b) : kForegroundColour;
}

Qt::PenStyle ToQtStyle(LineStyle style) {
    switch (style) {
        case LineStyle::Dashed:
            return Qt::DashLine;
        case LineStyle::Dotted:
            return Qt::DotLine;
        case LineStyle::Solid:
            break;
    }
    return Qt::SolidLine;
}

// The counter-clockwise sweep from start to end in radians, in [0, 2*pi]; an
// end a rounding step past a full turn still counts as one full turn.
double CounterClockwiseSweep(double start, double end) {
    constexpr double kTurn = 2 * std::numbers::pi;
    double sweep = end - start;
    if (sweep < 0) {
        sweep += kTurn;
    }
    return std::min(sweep, kTurn);
}

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

}  // namespace

WorldPainter::WorldPainter(QPainter& painter, const WorldFrame& frame, QSizeF area, QFont printFont)
    : painter_(painter),
      frame_(frame),
      scaleX_(area.width() / (static_cast<double>(frame.right) - frame.left)),
      scaleY_(area.height() / (static_cast<double>(frame.top) - frame.bottom)),
      printFont_(std::move(printFont)) {}

QPointF WorldPainter::ToPixels(double x, double y) const {
    return {(x - frame_.left) * scaleX_, (frame_.top - y) * scaleY_};
}

QPen WorldPainter::PenFor(Colour colour) const {
    QPen pen(ToQColor(colour), width_, ToQtStyle(style_), Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

void WorldPainter::SetWidth(int pixels) {
    width_ = std::max(1, pixels);
}

void WorldPainter::SetStyle(LineStyle style) {
    style_ = style;
}

void WorldPainter::Line(float x1, float y1, float x2, float y2, Colour colour) {
    painter_.setPen(PenFor(colour));
    painter_.drawLine(ToPixels(x1, y1), ToPixels(x2, y2));
}

void WorldPainter::Arc(float x, float y, float radius, float start, float end, Colour colour) {
    const double sweep = CounterClockwiseSweep(start, end);
    if (sweep <= 0 || radius <= 0) {
        return;
    }
    const double r = radius * std::abs(scaleX_);
    const QPointF centre = ToPixels(x, y);
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(box, start * kDegreesPerRadian);
    path.arcTo(box, start * kDegreesPerRadian, sweep * kDegreesPerRadian);
    painter_.setPen(PenFor(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void WorldPainter::Dot(float x, float y, Colour colour) {
    const QPointF centre = ToPixels(x, y);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(colour));
    if (width_ <= 1) {
        painter_.drawRect(QRectF(centre.x() - 0.5, centre.y() - 0.5, 1, 1));
    } else {
        painter_.drawEllipse(centre, width_ / 2.0, width_ / 2.0);
    }
    painter_.setBrush(Qt::NoBrush);
}

void WorldPainter::Text(float x, float y, const QString& text) {
    painter_.setFont(printFont_);
    painter_.setPen(kForegroundColour);
    const QPointF topLeft = ToPixels(x, y);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + painter_.fontMetrics().ascent()), text);
}

void PaintDisplayList(const DisplayList& list, QPainter& painter, QSizeF area,
                      const QFont& printFont) {
    painter.fillRect(QRectF(QPointF(0, 0), area), kBackgroundColour);
    painter.setRenderHint(QPainter::Antialiasing, true);
    WorldPainter world(painter, list.frame(), area, printFont);
    world.SetWidth(list.startWidth());
    world.SetStyle(list.startStyle());
    for (const DrawOp& op : list.ops()) {
        switch (op.kind) {
            case DrawOp::Kind::Line:
                world.Line(op.x1, op.y1, op.x2, op.y2, op.colour);
                break;
            case DrawOp::Kind::Circle:
                world.Arc(op.x1, op.y1, op.x2, op.start, op.end, op.colour);
                break;
            case DrawOp::Kind::PSet:
                world.Dot(op.x1, op.y1, op.colour);
                break;
            case DrawOp::Kind::Width:
                world.SetWidth(op.value);
                break;
            case DrawOp::Kind::Style:
                world.SetStyle(static_cast<LineStyle>(op.value));
                break;
            case DrawOp::Kind::Print:
                world.Text(
                    op.x1, op.y1,
                    QString::fromStdString(list.texts()[static_cast<std::size_t>(op.value)]));
                break;
        }
    }
}

}  // namespace orvath
