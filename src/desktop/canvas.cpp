// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/canvas.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/world_painter.h"
#include "exact/exact_view.h"
#include "panel/animation_stats.h"

namespace orvath {
Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void Canvas::paintEvent(QPaintEvent* event) {
    const auto started = AnimationStats::Clock::now();
    {
        QPainter painter(this);
        PaintDisplayList(picture_, painter, size(),
                         parentWidget() ? parentWidget()->font() : font(), event->rect(), theme_,
                         zoom_);
        PaintOverlay(instruments_, painter, size(), font(), event->rect(), theme_, zoom_);
        PaintHandles(painter);
    }
    // Repaints of a small part, such as the strip under a scroll bar, are not frames.
    if (event->rect() == rect()) {
        if (stats_ != nullptr) {
            stats_->FramePainted(AnimationStats::Clock::now() - started);
        }
        emit Painted();
    }
}

void Canvas::SetTheme(Theme theme) {
    if (theme != theme_) {
        theme_ = theme;
        update();
        emit ThemeChanged();
    }
}

void Canvas::SetZoom(const Zoom& zoom) {
    if (zoom != zoom_) {
        zoom_ = zoom;
        update();
    }
}

void Canvas::SetHandles(std::vector<HandleMark> handles) {
    const auto same = [](const HandleMark& a, const HandleMark& b) {
        return a.grip == b.grip && a.x == b.x && a.y == b.y && a.held == b.held;
    };
    if (!std::equal(handles.begin(), handles.end(), handles_.begin(), handles_.end(), same)) {
        handles_ = std::move(handles);
        update();
    }
}

void Canvas::PaintHandles(QPainter& painter) const {
    // A finger-sized ring in the exact view's colour of its rays, filled
    // while held.
    const double radius = kHandleRadiusPx * FontScale(theme_);
    for (const HandleMark& handle : handles_) {
        const QColor colour = ToQColor(handle.grip == Grip::Incident ? exact::kIncidentColour
                                                                     : exact::kRefractedColour);
        QColor fill = colour;
        fill.setAlpha(handle.held ? 160 : 60);
        painter.setPen(QPen(colour, 3));
        painter.setBrush(fill);
        painter.drawEllipse(QPointF(handle.x, handle.y), radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

void Canvas::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuRequested(event->globalPos());
}

}  // namespace orvath
