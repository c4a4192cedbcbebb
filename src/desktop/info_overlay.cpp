// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/info_overlay.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace orvath {
namespace {

constexpr int kMargin = 12;   // between the box and the canvas's edges
constexpr int kPadding = 10;  // between the box's edge and its text
const QColor kBoxColour(255, 255, 240, 235);
const QColor kFrameColour(96, 96, 96);

}  // namespace

InfoOverlay::InfoOverlay(QWidget& canvas) : QWidget(&canvas) {
    setObjectName(QStringLiteral("InfoOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Information"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(11);
    setFont(font);
    hide();
    canvas.installEventFilter(this);
}

void InfoOverlay::SetLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) {
        text.append(QString::fromStdString(line));
    }
    if (text == lines_) {
        return;
    }
    lines_ = std::move(text);
    setAccessibleDescription(lines_.join('\n'));
    Place();
    update();
}

void InfoOverlay::Place() {
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : lines_) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const QSize box(width + 2 * kPadding,
                    static_cast<int>(lines_.size()) * metrics.lineSpacing() + 2 * kPadding);
    const QWidget& canvas = *parentWidget();
    setGeometry(QRect(
        QPoint(canvas.width() - box.width() - kMargin, canvas.height() - box.height() - kMargin),
        box));
}

bool InfoOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        Place();
    }
    return QWidget::eventFilter(watched, event);
}

void InfoOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kFrameColour);
    painter.setBrush(kBoxColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font());
    int baseline = kPadding + metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(kPadding, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace orvath
