// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <forward_list>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "exact/construction.h"
#include "exact/inline_list.h"
#include "surface/surface.h"

namespace orvath::exact {

// An axis-aligned rectangle of the picture, y up.
struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;

    bool Overlaps(const Box& other) const {
        return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
    }
    bool Holds(const Box& other) const {
        return other.left >= left && other.right <= right && other.bottom >= bottom &&
               other.top <= top;
    }
    bool Crosses(const Segment& segment) const;
};

// Lines of text printed one under the other, measured from a top-left corner
// at (0, 0): each line's backing and the whole block's. The texts are views
// of what the layout keeps, of the catalogue or of literals.
struct Block {
    static constexpr std::size_t kMostLines = 8;
    std::array<std::string_view, kMostLines> lines{};
    std::array<Box, kMostLines> boxes{};
    std::size_t count = 0;
    Box bounds;
};

// A text of the picture, placed: its top-left corner and the rectangle its
// backing covers.
struct PlacedText {
    Vec at;
    std::string_view text;  // kept by the layout, the catalogue's or a literal
    Box backing;
};

// Where the texts of one exact picture go. Every text gets a box of its own
// inside the frame, off the panel's controls, clear of every box already
// taken and, where a candidate allows, of the lines that must stay in sight.
// It keeps the texts it places, in room of its own for a picture's worth.
class LabelLayout {
  public:
    explicit LabelLayout(const Construction& c);
    LabelLayout(const LabelLayout&) = delete;
    LabelLayout& operator=(const LabelLayout&) = delete;

    // The type size: the em height in world units.
    double Em() const { return em_; }
    // The distance from one line's top to the next line's in a block.
    double LineStep() const { return 1.3 * em_; }
    // The backing of a text whose top-left corner is `at`.
    Box TextBox(Vec at, std::string_view text) const;
    // Adds a line under the block's others, measured. The text must last as
    // long as the layout: Keep one made for the picture.
    void AddLine(Block& block, std::string_view text) const;
    // A copy of the pieces joined, kept as long as the layout.
    std::string_view Keep(std::initializer_list<std::string_view> pieces);

    // Lines that a text should leave in sight, when it can.
    void KeepInSight(const Segment& segment) { sight_.Add(segment); }
    // Whether the box lies in the frame, off the controls and off every box
    // taken (and, when `clear`, off the lines kept in sight).
    bool Free(const Box& box, bool clear) const;
    void Take(const Box& box) { taken_.Add(box); }

    // Places the block at the first of the corners (top-left) where it is
    // free and clear, else the first where it is free. With `always`, a
    // picture too small for any still gets the block at the first corner,
    // moved into the frame.
    bool PlaceBlock(const Block& block, std::span<const Vec> corners, bool always = false);
    // The same for a single text: beside its anchor, towards each direction
    // in turn (unit vectors, at most four), a gap away, or up to `further`
    // half lines further where that is clear of the lines.
    bool PlaceBeside(Vec anchor, std::initializer_list<Vec> directions, std::string_view text,
                     int further = 3);
    // The texts placed so far, in order.
    std::span<const PlacedText> Placed() const { return placed_.Items(); }

  private:
    WorldBounds frame_;
    Box controls_;
    double em_;
    // Room for the texts and lists of a picture; more comes from the heap.
    InlineList<Box, 32> taken_;
    InlineList<Segment, 8> sight_;
    InlineList<PlacedText, 24> placed_;
    std::array<char, 1024> text_{};
    std::size_t textUsed_ = 0;
    std::forward_list<std::string> moreText_;
};

// Prints the texts on their backings, in the labels' face at its size.
void PrintPlaced(std::span<const PlacedText> texts, Surface& s);

}  // namespace orvath::exact
