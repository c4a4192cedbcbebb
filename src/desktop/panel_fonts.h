// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>

namespace orvath {

// Sets the control's font to the largest point size from `wanted` down to
// `least` at which each of its texts fits: a label's on one line inside its
// box and clear of the ink of the texts already fitted (`taken`, in the
// parent's coordinates), a button's inside the button as its style lays it
// out. Adds the control's ink to `taken`; returns the size chosen.
double FitFont(QWidget& control, const QStringList& texts, double wanted, double least,
               QList<QRect>& taken);

// Where a label's text puts ink, in its parent's coordinates: the text on
// one line from the top-left of its contents, as the panel's labels show it.
QRect LabelInk(const QWidget& label, const QString& text, const QFont& font);

}  // namespace orvath
