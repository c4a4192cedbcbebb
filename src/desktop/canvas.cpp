// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/canvas.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPainter>

#include "desktop/world_painter.h"
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
                         parentWidget() ? parentWidget()->font() : font(), event->rect(), theme_);
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

void Canvas::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuRequested(event->globalPos());
}

}  // namespace orvath
