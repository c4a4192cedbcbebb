// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/controls.h"
#include "model/scene.h"
#include "surface/display_list.h"

namespace orvath::bench {

// The bars and mode of one picture.
struct Setting {
    DisplayMode mode = DisplayMode::Wavelets;
    int angle = 25;
    int index = 50;
    int waves = 10;
    int time = 2000;
    // The exact view, with the reflected wave shown.
    bool exact = false;
};

// The client area the pictures are laid out for, in pixels.
inline constexpr int kClientWidth = 1920;
inline constexpr int kClientHeight = 1080;

// The scene the panel draws after start-up on a 1920x1080 client and the bar
// changes of `setting`, with `list` scaled to its world frame.
Scene PrepareScene(const Setting& setting, DisplayList& list);

// One redraw as the time bar's handler does it: clear, then the renderer of
// the setting's mode, with the time caption formatted as the window does.
void Redraw(const Setting& setting, const Scene& scene, DisplayList& list);

// A short name such as "wavelets/a25/n50/w10/t2000".
std::string Name(const Setting& setting);

}  // namespace orvath::bench
