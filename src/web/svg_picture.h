// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "web/packed_picture.h"

namespace orvath::web {

// The print font's ascent in ems: text is placed by its top-left corner.
inline constexpr double kPrintAscentEm = 0.891;
// The print font's size in CSS pixels: the form's 8.25 points at 96 dpi.
inline constexpr double kPrintFontPx = 11;

// The packed picture as an SVG drawing of width x height user units (pixels),
// with the pens, dashes, arcs, dots and texts that the page paints: the
// picture a user saves from the page as a vector drawing.
std::string SvgPicture(const PackedPicture& packed, int width, int height);

}  // namespace orvath::web
