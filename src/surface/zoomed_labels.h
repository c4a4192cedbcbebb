// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "surface/screen_mapping.h"
#include "surface/view_clip.h"

namespace orvath {

// A point in pixels, y down.
struct PixelPoint {
    double x = 0;
    double y = 0;
};

// Keeps the picture's labels at their readable size when it is zoomed: a
// backing and the operations right after it that lie within it (its text, or
// a key's frame, samples and texts) form a label, drawn about the backing's
// zoomed middle at the scale of the whole picture; a backing next to it joins
// it, as the lines of a block of text do. The first operation outside ends
// the label. On the whole picture it holds nothing.
class ZoomedLabels {
  public:
    explicit ZoomedLabels(const ScreenMapping& mapping);

    // Pixels per world unit for labels and the size of texts.
    double LabelScale() const { return labelScale_; }
    // A backing with these world corners starts a label; false on the whole
    // picture.
    bool StartLabel(const ViewRect& backing);
    // Whether an operation covering the world rectangle belongs to the
    // label; ends the label when not.
    bool Holds(const ViewRect& covered);
    // Where a world point of the label is painted.
    PixelPoint Place(double x, double y) const;

  private:
    ScreenMapping mapping_;
    double labelScale_;
    bool zoomed_;
    std::optional<ViewRect> label_;
    // The label's first backing's middle, in world units and zoomed.
    double anchorX_ = 0;
    double anchorY_ = 0;
    PixelPoint anchor_;
};

}  // namespace orvath
