// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace orvath {

// The two faces of texts on the picture, the families in the order the
// window's painter and the page ask for them.

// The form's font, which the classic pictures print in (its size is the
// model's): Times New Roman, or its metric twin Liberation Serif.
inline constexpr std::string_view kPrintFontFamilies = "Times New Roman, Liberation Serif, serif";
inline constexpr double kPrintAscentEm = 1825.0 / 2048;
// Pixels per point at 96 dots per inch, the resolution pictures are drawn at.
inline constexpr double kPixelsPerPoint = 96.0 / 72;

// The face of the labels, values and key that the exact view prints on the
// picture: a sans-serif face with the metrics of Liberation Sans (and of
// Arial and Arimo, which share them).
inline constexpr std::string_view kLabelFontFamilies = "Liberation Sans, Arimo, Arial, sans-serif";

// The face's extent above and below the baseline, in ems.
inline constexpr double kLabelAscentEm = 1854.0 / 2048;
inline constexpr double kLabelDescentEm = 434.0 / 2048;

// The advance of a UTF-8 text in the face, in ems, without kerning (which
// only narrows it). A character the face has no width for counts one em, as
// wide as an ideograph; a byte that starts no character counts as one.
double LabelTextWidthEm(std::string_view utf8);

}  // namespace orvath
