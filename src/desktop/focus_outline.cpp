// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/focus_outline.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace orvath {
namespace {

constexpr int kRingWidth = 2;

}  // namespace

FocusOutline::FocusOutline(QWidget& window) : QWidget(&window), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusOutline::Follow(QWidget* focused) {
    if (parentWidget() != &window_) {
        parentWidget()->removeEventFilter(this);
    }
    auto* bar = qobject_cast<QScrollBar*>(focused);
    if (bar == nullptr || bar->window() != &window_) {
        hide();
        setParent(&window_);
        return;
    }
    setParent(bar);
    setGeometry(bar->rect());
    bar->installEventFilter(this);
    show();
}

bool FocusOutline::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void FocusOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kRingWidth / 2.0, kRingWidth / 2.0, -kRingWidth / 2.0,
                                             -kRingWidth / 2.0));
}

}  // namespace orvath
