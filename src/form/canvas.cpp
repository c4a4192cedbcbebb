#include "form/canvas.h"

#include <QPainter>

#include "surface/qt_painter.h"

namespace orvath {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDisplayList(picture_, painter, size(), parentWidget() ? parentWidget()->font() : font());
}

}  // namespace orvath
