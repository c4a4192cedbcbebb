// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QRect>
#include <QStringList>
#include <vector>

namespace orvath {

// A label of the panel, the texts it must have room for and its font's
// classic size in points.
struct LabelToFit {
    QLabel* label;
    QStringList texts;
    double points;
};

// Scales every label's font by one factor, the largest from `wanted` down to
// `least` at which each label's texts fit on one line inside its box and
// clear of every other label's ink; returns the factor.
double FitLabels(const std::vector<LabelToFit>& labels, double wanted, double least);

// Sets the button's font to the largest point size from `wanted` down to
// `least` at which its text fits inside it as its style lays it out.
double FitButton(QAbstractButton& button, double wanted, double least);

// Where a label's text puts ink, in its parent's coordinates: the text on
// one line from the top-left of its contents, as the panel's labels show it.
QRect LabelInk(const QWidget& label, const QString& text, const QFont& font);

}  // namespace orvath
