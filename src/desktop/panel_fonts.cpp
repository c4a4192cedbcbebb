// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/panel_fonts.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace orvath {
namespace {

// Each try shrinks the size by this factor.
constexpr double kStep = 0.95;

bool Fits(QWidget& control, const QStringList& texts, const QFont& font,
          const QList<QRect>& taken) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setFont(font);
        const QSize needed = button->sizeHint();
        return needed.width() <= button->width() && needed.height() <= button->height();
    }
    const QRect box = control.geometry();
    return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
        const QRect ink = LabelInk(control, text, font);
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance(text) <= control.contentsRect().width() &&
               box.contains(ink) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const QRect& other) { return other.intersects(ink); });
    });
}

}  // namespace

QRect LabelInk(const QWidget& label, const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const QRect contents = label.contentsRect();
    return metrics.tightBoundingRect(text)
        .translated(contents.left(), contents.top() + metrics.ascent())
        .translated(label.pos());
}

double FitFont(QWidget& control, const QStringList& texts, double wanted, double least,
               QList<QRect>& taken) {
    QFont font = control.font();
    double points = wanted;
    for (;; points *= kStep) {
        points = std::max(points, least);
        font.setPointSizeF(points);
        if (points <= least || Fits(control, texts, font, taken)) {
            break;
        }
    }
    control.setFont(font);
    if (qobject_cast<QLabel*>(&control) != nullptr) {
        for (const QString& text : texts) {
            taken.append(LabelInk(control, text, font));
        }
    }
    return points;
}

}  // namespace orvath
