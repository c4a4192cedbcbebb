// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "exact/construction.h"
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
// at (0, 0): each line's backing and the whole block's.
struct Block {
    std::vector<std::string> lines;
    std::vector<Box> boxes;
    Box bounds;
};

// A text of the picture, placed: its top-left corner and the rectangle its
// backing covers.
struct PlacedText {
    Vec at;
    std::string_view text;  // kept by the layout, or a literal
    Box backing;
};

// Where the texts of one exact picture go. Every text gets a box of its own
// inside the frame, off the panel's controls, clear of every box already
// taken and, where a candidate allows, of the lines that must stay in sight.
class LabelLayout {
  public:
    explicit LabelLayout(const Construction& c);

    // The type size: the em height in world units.
    double Em() const { return em_; }
    // The distance from one line's top to the next line's in a block.
    double LineStep() const { return 1.3 * em_; }
    // The backing of a text whose top-left corner is `at`.
    Box TextBox(Vec at, std::string_view text) const;
    // Lines printed one under the other, measured.
    Block Measure(std::vector<std::string> lines) const;

    // Lines that a text should leave in sight, when it can.
    void KeepInSight(const Segment& segment) { sight_.push_back(segment); }
    // Whether the box lies in the frame, off the controls and off every box
    // taken (and, when `clear`, off the lines kept in sight).
    bool Free(const Box& box, bool clear) const;
    void Take(const Box& box) { taken_.push_back(box); }

    // Takes the first of the corners (top-left) whose block is free and clear,
    // else the first that is free. With `always`, a picture too small for
    // any still gets the block at the first corner, moved into the frame.
    // The layout keeps the block, so that its texts last as long as it does.
    bool PlaceBlock(Block block, const std::vector<Vec>& corners, std::vector<PlacedText>& placed,
                    bool always = false);
    // The same for a single text: beside its anchor, towards each direction
    // in turn (unit vectors, at most four), a gap away, or up to `further`
    // half lines further where that is clear of the lines.
    bool PlaceBeside(Vec anchor, std::initializer_list<Vec> directions, std::string_view text,
                     std::vector<PlacedText>& placed, int further = 3);

  private:
    WorldBounds frame_;
    Box controls_;
    double em_;
    std::vector<Box> taken_;
    std::vector<Segment> sight_;
    std::deque<Block> blocks_;
};

// Prints the texts on their backings, in the labels' face at its size.
void PrintPlaced(const std::vector<PlacedText>& texts, Surface& s);

}  // namespace orvath::exact
