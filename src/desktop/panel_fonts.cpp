// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/panel_fonts.h"

#include <QFontMetrics>
#include <algorithm>

namespace orvath {
namespace {

// Each try shrinks the size by this factor.
constexpr double kStep = 0.95;

QFont Sized(const QFont& font, double points) {
    QFont sized = font;
    sized.setPointSizeF(points);
    return sized;
}

bool LabelsFit(const std::vector<LabelToFit>& labels, double factor) {
    QList<QRect> inks;
    for (const LabelToFit& l : labels) {
        const QFont font = Sized(l.label->font(), l.points * factor);
        const QFontMetrics metrics(font);
        for (const QString& text : l.texts) {
            if (text.isEmpty()) {
                continue;
            }
            // A caption's ink keeps a gap to the next caption's.
            const int gap = std::max(2, static_cast<int>(0.1 * metrics.height()));
            const QRect ink = LabelInk(*l.label, text, font).adjusted(0, -gap, 0, gap);
            if (metrics.horizontalAdvance(text) > l.label->contentsRect().width() ||
                !l.label->geometry().contains(LabelInk(*l.label, text, font))) {
                return false;
            }
            inks.append(ink);
        }
    }
    // Each label's texts share its place; the labels' places must not meet.
    std::vector<qsizetype> counts;
    for (const LabelToFit& l : labels) {
        counts.push_back(std::count_if(l.texts.begin(), l.texts.end(),
                                       [](const QString& text) { return !text.isEmpty(); }));
    }
    qsizetype first = 0;
    for (const qsizetype count : counts) {
        for (qsizetype a = first; a < first + count; ++a) {
            for (qsizetype b = first + count; b < inks.size(); ++b) {
                if (inks[a].intersects(inks[b])) {
                    return false;
                }
            }
        }
        first += count;
    }
    return true;
}

}  // namespace

QRect LabelInk(const QWidget& label, const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const QRect contents = label.contentsRect();
    return metrics.tightBoundingRect(text)
        .translated(contents.left(), contents.top() + metrics.ascent())
        .translated(label.pos());
}

double FitLabels(const std::vector<LabelToFit>& labels, double wanted, double least) {
    double factor = wanted;
    while (factor > least && !LabelsFit(labels, factor)) {
        factor = std::max(least, factor * kStep);
    }
    for (const LabelToFit& l : labels) {
        l.label->setFont(Sized(l.label->font(), l.points * factor));
    }
    return factor;
}

double FitButton(QAbstractButton& button, double wanted, double least) {
    double points = wanted;
    for (;; points = std::max(least, points * kStep)) {
        button.setFont(Sized(button.font(), points));
        const QSize needed = button.sizeHint();
        if (points <= least ||
            (needed.width() <= button.width() && needed.height() <= button.height())) {
            return points;
        }
    }
}

}  // namespace orvath
