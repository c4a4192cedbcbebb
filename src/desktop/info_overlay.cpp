// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/info_overlay.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/canvas.h"
#include "desktop/language.h"
#include "model/control_texts.h"

namespace orvath {
namespace {

constexpr int kMargin = 12;  // between the box and the canvas's edges
// Between the box's edge and its text, in ems.
constexpr double kPaddingEm = 0.5;
constexpr double kSmallestPx = 12;
const QColor kBoxColour(255, 255, 240, 235);
const QColor kFrameColour(96, 96, 96);

}  // namespace

InfoOverlay::InfoOverlay(Canvas& canvas) : QWidget(&canvas), canvas_(canvas) {
    setObjectName(QStringLiteral("InfoOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(TrText(kInformationName));
    setFont(QFont(QStringLiteral("MS Sans Serif")));
    hide();
    canvas.installEventFilter(this);
    connect(&canvas, &Canvas::ThemeChanged, this, [this] {
        Place();
        update();
    });
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
    const QSize room = canvas_.size() - QSize(2 * kMargin, 2 * kMargin);
    QFont sized = font();
    QSize box;
    // The picture's text size, or as much smaller as the canvas needs.
    for (double px = LabelTextPx(canvas_.CurrentTheme(), canvas_.height());; px *= 0.95) {
        px = std::max(px, kSmallestPx);
        sized.setPixelSize(static_cast<int>(std::lround(px)));
        const QFontMetrics metrics(sized);
        int width = 0;
        for (const QString& line : lines_) {
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        const int padding = static_cast<int>(std::lround(kPaddingEm * px));
        box = QSize(width + 2 * padding,
                    static_cast<int>(lines_.size()) * metrics.lineSpacing() + 2 * padding);
        if ((box.width() <= room.width() && box.height() <= room.height()) || px <= kSmallestPx) {
            break;
        }
    }
    setFont(sized);
    setGeometry(QRect(
        QPoint(canvas_.width() - box.width() - kMargin, canvas_.height() - box.height() - kMargin),
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
    const int padding = static_cast<int>(std::lround(kPaddingEm * font().pixelSize()));
    int baseline = padding + metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(padding, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace orvath
