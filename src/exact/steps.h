// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "exact/construction.h"
#include "surface/surface.h"

namespace orvath::exact {

// What a picture has drawn, for its key: by Wave.
struct Shown {
    std::array<bool, 3> rays{};
    std::array<bool, 3> wavelets{};
    std::array<bool, 3> earlierFronts{};
    bool tangentPoints = false;
};

// The steps of one picture, back to front. Each begins the parts it draws
// in, notes what it drew and leaves the pen solid and 1 pixel wide.

// The boundary, and the normal along the right edge.
void DrawAxes(const Construction& c, Surface& s);
// Where the fronts were at each whole period, dashed.
void DrawEarlierFronts(const Construction& c, Surface& s, Shown& shown);
// The wavelets of every wave with their centres; those of medium 2 under
// total reflection thin and dotted.
void DrawWavelets(const Construction& c, Surface& s, Shown& shown);
// The fronts now.
void DrawCurrentFronts(const Construction& c, Surface& s);
void DrawRays(const Construction& c, Surface& s, Shown& shown);
// Where each wavelet touches its front.
void DrawTangentPoints(const Construction& c, Surface& s, Shown& shown);
// Arrowheads, the proof of Snell's law, the names of the media and the
// texts, then the key.
void DrawAnnotations(const Construction& c, const Shown& shown, Surface& s);

// Begins a part of the picture on first use, so that parts with nothing to
// draw stay out of the picture.
class LazyPart {
  public:
    LazyPart(Surface& surface, Part part) : surface_(surface), part_(part) {}
    Surface& operator*() {
        if (!begun_) {
            surface_.BeginPart(part_);
            begun_ = true;
        }
        return surface_;
    }

  private:
    Surface& surface_;
    Part part_;
    bool begun_ = false;
};

}  // namespace orvath::exact
