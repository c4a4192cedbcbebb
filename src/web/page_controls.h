// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "model/control_texts.h"

namespace orvath::web {

// Where the strip for fingers is too short for every control, the page keeps
// at hand what a lesson runs on and leaves the rest to its menu, which lists
// every action: a control shown `Always`, only where there is `Room`, or
// there and while a `Mystery` medium is being measured.
enum class StripPlace { Always, Room, Mystery };

// A control of the page's own: its element id, its kind ("button", "switch",
// "chooser", "field" for typed text or "status" for what the page tells), the
// command it runs (page_actions.h; for a chooser or a field the command its
// value follows), its place in a short strip and what it says to the user,
// marked for the catalogue.
struct PageControl {
    std::string_view id;
    std::string_view kind;
    std::string_view command;
    StripPlace strip;
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

// The lesson row after it: the notes for the teacher, then the mystery
// medium's start or end, the field for the index measured with its button,
// revealing, and where the verdict is shown.
std::span<const PageControl> LessonControls();
// After the classroom row: the picture magnified, zoomed out and whole, and
// the protractor's and the ruler's switches.
std::span<const PageControl> ViewControls();

}  // namespace orvath::web
