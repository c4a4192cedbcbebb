// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "model/world_frame.h"

namespace orvath {

class OrvathForm;

// The screen the window is fitted to, and how many twips one of its pixels
// is (15 at 96 dots per inch).
struct ScreenInfo {
    QRect geometry;
    double twipsPerPixel = kTwipsPerPixel;
};

// Start-up: fits the form to the screen, sets the world frame, lays out the
// panel, writes the first captions, shows the form, sets the physical
// constants and draws the first picture. Assigns no control value.
void Main(OrvathForm& form, const ScreenInfo& screen);

}  // namespace orvath
