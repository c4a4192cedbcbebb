// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <vector>

#include "bench/scene.h"
#include "surface/zoom.h"

namespace orvath::bench {

// The pictures the window shows while the time runs from 0 to 5000 at 1000
// steps a second on a 60 Hz display: one every 17 steps, and the last one.
std::vector<DisplayList> RecordAnimation(const Setting& base);

// The form's print font.
QFont PrintFont();

// How long one paint took, in ms: by the clock on the wall, and in processor
// time of the painting thread (what other programs on the machine do not add).
struct PaintTime {
    double wallMs = 0;
    double cpuMs = 0;
};

// Paints one picture onto the whole image, at the zoom.
PaintTime PaintInto(QImage& image, const DisplayList& picture, const QFont& font,
                    const Zoom& zoom = {});

}  // namespace orvath::bench
