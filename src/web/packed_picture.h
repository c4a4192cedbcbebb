// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "surface/display_list.h"
#include "surface/theme.h"
#include "surface/zoom.h"

namespace orvath::web {

// Record tags of a packed picture. Each record is its tag followed by its
// fields, all floats, in pixels of the drawing area (y down):
//   Pen   colour width style   colour -1 for the foreground, else R*65536+G*256+B;
//                              width in pixels (at least 1, times the theme's
//                              width scale); style a LineStyle
//   Line  x1 y1 x2 y2          a segment, already cut to the area
//   Arc   x y r from to        canvas angles (y down), drawn anticlockwise
//   Dot   x y                  a dot of the pen's width and colour
//   Text  x y index            the top-left corner; index into the texts
//   Font  size face            the texts' em height in pixels, and their face:
//                              0 the form's font, 1 the labels' (picture_fonts.h)
//   Backing x y w h colour     an opaque rectangle, top-left corner and size
// A Pen record comes before the first operation and whenever the pen changes,
// a Font record before the first text and whenever the font changes; text is
// always drawn in the foreground colour.
enum class PackedTag : int { Pen = 0, Line = 1, Arc = 2, Dot = 3, Text = 4, Font = 5, Backing = 6 };
// How many fields follow each tag, by tag.
inline constexpr int kPackedFields[] = {3, 4, 5, 2, 3, 2, 5};
static_assert(std::size(kPackedFields) == static_cast<std::size_t>(PackedTag::Backing) + 1);

// The faces of Font records, and the CSS font families of each.
enum class PackedFace : int { Print = 0, Label = 1 };
std::string CssFamilies(PackedFace face);

struct PackedPicture {
    std::vector<float> records;
    std::string texts;  // the texts of the display list, each ended by '\n'
    friend bool operator==(const PackedPicture&, const PackedPicture&) = default;
};

// Maps the display list onto an area of the given size in pixels as the
// desktop painter does, in the theme's colours and widths and at the zoom
// (labels keep their size, see ZoomedLabels), cutting lines and arcs to the
// area grown by the pen width, so that a painter only strokes what it is
// given.
void PackPicture(const DisplayList& list, double widthPx, double heightPx, Theme theme,
                 PackedPicture& packed, const Zoom& zoom = {});
// The same, laid over what is packed already, as the instruments are.
void AddToPicture(const DisplayList& list, double widthPx, double heightPx, Theme theme,
                  PackedPicture& packed, const Zoom& zoom = {});

}  // namespace orvath::web
