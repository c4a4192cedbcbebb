// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "web/packed_picture.h"

namespace orvath::web {

// The packed picture as an SVG drawing of width x height user units (pixels),
// with the pens, dashes, arcs, dots and texts that the page paints: the
// picture a user saves from the page as a vector drawing.
std::string SvgPicture(const PackedPicture& packed, int width, int height);

}  // namespace orvath::web
