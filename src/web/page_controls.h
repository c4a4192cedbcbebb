// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "model/control_texts.h"

namespace orvath::web {

// A control of the page's own: its element id, its kind ("button", "switch"
// or "chooser"), the command it runs (page_actions.h; for a chooser the
// command its choices follow with a value) and what it says to the user.
struct PageControl {
    std::string_view id;
    std::string_view kind;
    std::string_view command;
    ControlText text;
};

// The buttons after the view switches, beside "WAVELETS": saving the
// picture, copying the link and the information box.
std::span<const PageControl> PictureButtons();

// The classroom row, under the panel's last bar and its label: the speed in
// use (a chooser of the five), steps back and on, the pair of media (a
// chooser that names them), the projector theme and the key switches,
// saving the run as an animation and the menu of every action.
std::span<const PageControl> ClassroomControls();

// After the classroom row: the picture magnified, zoomed out and whole, and
// the protractor's and the ruler's switches.
std::span<const PageControl> ViewControls();

}  // namespace orvath::web
