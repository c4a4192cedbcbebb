// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/world_painter.h"

#include "surface/picture_fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace orvath {
namespace {

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

// Extra room around the view, in pixels beyond the pen width, for the
// antialiased fringe.
constexpr double kFringePixels = 1;

// How much of the picture one band of PaintDisplayList covers, in bytes of a
// 32-bit image: painting a band at a time keeps the pixels a line touches in
// the cache, which makes large pictures paint about a third faster.
constexpr double kBandBytes = 3 << 20;
constexpr double kLeastBandRows = 32;

ViewRect Box(double x1, double y1, double x2, double y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

}  // namespace

WorldPainter::WorldPainter(QPainter& painter, const WorldFrame& frame, QSizeF area, QFont printFont,
                           const QRectF& visible, Theme theme, const Zoom& zoom)
    : painter_(painter),
      mapping_(frame, area.width(), area.height(), zoom),
      labels_(mapping_),
      printFont_(std::move(printFont)),
      labelFont_(QString::fromUtf8(kLabelFontFamilies.data(),
                                   static_cast<qsizetype>(kLabelFontFamilies.size()))
                     .split(QStringLiteral(", "))),
      theme_(theme),
      widthScale_(WidthScale(theme, area.width(), area.height())) {
    if (const double scale = PrintFontScale(theme); scale != 1) {
        printFont_.setPointSizeF(printFont_.pointSizeF() * scale);
    }
    const QRectF whole(QPointF(0, 0), area);
    partial_ = !visible.isEmpty() && !visible.contains(whole);
    view_ = mapping_.Area();
    visible_ = partial_ ? ToWorld(visible) : view_;
    visiblePixels_ = partial_ ? visible : whole;
}

QPointF WorldPainter::ToPixels(double x, double y) const {
    return {mapping_.X(x), mapping_.Y(y)};
}

ViewRect WorldPainter::ToWorld(const QRectF& pixels) const {
    return mapping_.ToWorld(pixels.left(), pixels.top(), pixels.right(), pixels.bottom());
}

QPointF WorldPainter::InLabel(double x, double y) const {
    const PixelPoint at = labels_.Place(x, y);
    return {at.x, at.y};
}

ViewRect WorldPainter::WithPen(const ViewRect& rect) const {
    const double margin = width_ + kFringePixels;
    return Expanded(rect, margin / std::abs(mapping_.ScaleX()),
                    margin / std::abs(mapping_.ScaleY()));
}

QColor WorldPainter::ColourOf(Colour colour) {
    if (theme_ == Theme::Classic) {
        return ToQColor(ThemeColour(theme_, colour));
    }
    // A picture has a handful of colours: each is worked out once.
    for (const auto& [seen, painted] : colours_) {
        if (seen == colour) {
            return painted;
        }
    }
    return colours_.emplace_back(colour, ToQColor(ThemeColour(theme_, colour))).second;
}

QPen WorldPainter::PenFor(Colour colour) {
    QPen pen(ColourOf(colour), width_, ToQtStyle(style_), Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

void WorldPainter::SetWidth(int pixels) {
    width_ = std::max(1, pixels) * widthScale_;
}

void WorldPainter::SetStyle(LineStyle style) {
    style_ = style;
}

void WorldPainter::Line(float x1, float y1, float x2, float y2, Colour colour) {
    QPointF a;
    QPointF b;
    if (labels_.Holds(Box(x1, y1, x2, y2))) {
        a = InLabel(x1, y1);
        b = InLabel(x2, y2);
    } else {
        const auto seen = ClipSegment({x1, y1, x2, y2}, WithPen(view_));
        if (!seen || (partial_ && !ClipSegment(*seen, WithPen(visible_)))) {
            return;
        }
        a = ToPixels(seen->x1, seen->y1);
        b = ToPixels(seen->x2, seen->y2);
    }
    const bool horizontal = a.y() == b.y() && a.x() != b.x();
    const bool vertical = a.x() == b.x() && a.y() != b.y();
    if (style_ == LineStyle::Solid && (horizontal || vertical)) {
        // A solid line along an axis covers a rectangle of the pen's width:
        // filling it gives the stroke's pixels several times faster.
        const double half = width_ / 2.0;
        const QPointF across = horizontal ? QPointF(0, half) : QPointF(half, 0);
        painter_.fillRect(QRectF(a - across, b + across).normalized(), ColourOf(colour));
        return;
    }
    painter_.setPen(PenFor(colour));
    painter_.drawLine(a, b);
}

void WorldPainter::Arc(float x, float y, float radius, float start, float end, Colour colour) {
    const double sweep = CounterClockwiseSweep(start, end);
    if (sweep <= 0 || radius <= 0) {
        return;
    }
    if (labels_.Holds(Box(x - radius, y - radius, x + radius, y + radius))) {
        const double r = radius * labels_.LabelScale();
        const QPointF centre = InLabel(x, y);
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        QPainterPath path;
        path.arcMoveTo(box, start * kDegreesPerRadian);
        path.arcTo(box, start * kDegreesPerRadian, sweep * kDegreesPerRadian);
        painter_.setPen(PenFor(colour));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(path);
        return;
    }
    const ArcSpans spans = VisibleArcSpans(x, y, radius, {start, sweep}, WithPen(view_));
    if (spans.count == 0 ||
        (partial_ && VisibleArcSpans(x, y, radius, {start, sweep}, WithPen(visible_)).count == 0)) {
        return;
    }
    const double r = radius * std::abs(mapping_.ScaleX());
    const QPointF centre = ToPixels(x, y);
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    for (const AngleSpan& span : spans) {
        path.arcMoveTo(box, span.start * kDegreesPerRadian);
        path.arcTo(box, span.start * kDegreesPerRadian, span.sweep * kDegreesPerRadian);
    }
    painter_.setPen(PenFor(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void WorldPainter::Dot(float x, float y, Colour colour) {
    const bool inLabel = labels_.Holds(Box(x, y, x, y));
    const ViewRect view = WithPen(visible_);
    if (!inLabel && (x < view.left || x > view.right || y < view.bottom || y > view.top)) {
        return;
    }
    const QPointF centre = inLabel ? InLabel(x, y) : ToPixels(x, y);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ColourOf(colour));
    if (width_ <= 1) {
        painter_.drawRect(QRectF(centre.x() - 0.5, centre.y() - 0.5, 1, 1));
    } else {
        painter_.drawEllipse(centre, width_ / 2.0, width_ / 2.0);
    }
    painter_.setBrush(Qt::NoBrush);
}

void WorldPainter::Text(float x, float y, const QString& text, float emHeight) {
    if (emHeight > 0) {
        if (emHeight != labelEm_) {
            // Sized in points for the device, so that a fraction of a pixel counts.
            const double dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
            labelFont_.setPointSizeF(emHeight * labels_.LabelScale() * 72 / dpi);
            labelEm_ = emHeight;
        }
        painter_.setFont(labelFont_);
    } else {
        painter_.setFont(printFont_);
    }
    const QPointF topLeft = labels_.Holds(Box(x, y, x, y)) ? InLabel(x, y) : ToPixels(x, y);
    const QFontMetricsF metrics(painter_.font());
    if (topLeft.y() > visiblePixels_.bottom() ||
        topLeft.y() + metrics.height() < visiblePixels_.top()) {
        return;
    }
    painter_.setPen(kForegroundColour);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void WorldPainter::Backing(float x1, float y1, float x2, float y2, Colour colour) {
    const ViewRect box = Box(x1, y1, x2, y2);
    const QColor fill = ToQColor(colour.value_or(kForegroundRgb));
    if (labels_.StartLabel(box)) {
        painter_.fillRect(QRectF(InLabel(x1, y1), InLabel(x2, y2)).normalized(), fill);
        return;
    }
    if (box.right < visible_.left || box.left > visible_.right || box.top < visible_.bottom ||
        box.bottom > visible_.top) {
        return;
    }
    painter_.fillRect(QRectF(ToPixels(x1, y1), ToPixels(x2, y2)).normalized(), fill);
}

void PaintDisplayList(const DisplayList& list, QPainter& painter, QSizeF area,
                      const QFont& printFont, const QRectF& visible, Theme theme,
                      const Zoom& zoom) {
    const QRectF all = visible.isEmpty() ? QRectF(QPointF(0, 0), area) : visible;
    const double rows = std::max(kLeastBandRows, std::floor(kBandBytes / (4 * area.width())));
    if (all.height() <= rows) {
        painter.fillRect(all, kBackgroundColour);
        PaintOverlay(list, painter, area, printFont, visible, theme, zoom);
        return;
    }
    for (double top = all.top(); top < all.bottom(); top += rows) {
        const QRectF band(all.left(), top, all.width(), std::min(rows, all.bottom() - top));
        painter.save();
        painter.setClipRect(band, Qt::IntersectClip);
        painter.fillRect(band, kBackgroundColour);
        PaintOverlay(list, painter, area, printFont, band, theme, zoom);
        painter.restore();
    }
}

void PaintOverlay(const DisplayList& list, QPainter& painter, QSizeF area, const QFont& printFont,
                  const QRectF& visible, Theme theme, const Zoom& zoom) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    WorldPainter world(painter, list.Frame(), area, printFont, visible, theme, zoom);
    for (const DrawOp& op : list.Ops()) {
        world.SetWidth(op.width);
        world.SetStyle(op.Style());
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
            case DrawOp::Kind::Print:
                world.Text(op.x1, op.y1,
                           QString::fromStdString(list.Texts()[static_cast<std::size_t>(op.text)]),
                           op.font);
                break;
            case DrawOp::Kind::Backing:
                world.Backing(op.x1, op.y1, op.x2, op.y2, op.colour);
                break;
        }
    }
}

}  // namespace orvath
