// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace orvath {

// A colour as 0xAARRGGBB, the layout of a 32-bit RGB image in memory.
using Argb = std::uint32_t;

inline constexpr int RedOf(Argb c) {
    return static_cast<int>((c >> 16) & 0xff);
}
inline constexpr int GreenOf(Argb c) {
    return static_cast<int>((c >> 8) & 0xff);
}
inline constexpr int BlueOf(Argb c) {
    return static_cast<int>(c & 0xff);
}

// Rows of pixels in memory, `stride` pixels apart.
struct PixelView {
    const Argb* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    const Argb* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

// How a frame becomes a GIF image of at most 256 colours.
//
// The program's pictures are lines, arcs and text in a handful of colours on
// white, painted with antialiasing: besides its few base colours a frame
// holds blends of each of them towards the background and, where lines
// cross, blends of two colours; a few hundred to a few thousand colours.
//
// - A frame of at most 256 colours gets exactly those, and is kept exactly.
// - Otherwise the palette is picked among the frame's own colours, one at a
//   time: first the most frequent (the background), then always the colour
//   that the palette so far reproduces worst, weighing its squared distance
//   to the nearest entry by the square root of how many pixels have it. The
//   base colours, far from all else and with many pixels each, come first;
//   the other entries spread along the blends. Weighing by the count itself
//   would favour the frequent colours more and leave the rare blends (where
//   lines cross) further off. Over the whole wavelet run at 960x540, a colour
//   of 50 pixels or more ends up at most 3 levels off, any colour at most 14.
// - Every pixel takes the entry nearest to its colour. Nothing is dithered:
//   a line or an area of one colour stays one colour.
//
// FramePalette makes that palette for one frame and tells each of the
// frame's colours its entry.
class FramePalette {
  public:
    explicit FramePalette(const PixelView& frame);
    ~FramePalette();
    FramePalette(const FramePalette&) = delete;
    FramePalette& operator=(const FramePalette&) = delete;

    // At most 256 entries.
    const std::vector<Argb>& Entries() const { return entries_; }
    // The entry of a colour the frame holds; alpha is ignored.
    std::uint8_t EntryOf(Argb colour) const;

  private:
    class ColourTable;

    std::vector<Argb> entries_;
    std::unique_ptr<ColourTable> table_;
};

}  // namespace orvath
