// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/controls.h"

namespace orvath {

// What a control says to the user: the name a screen reader gives it, its
// tooltip, its longer description, and the text written on it (options,
// switches and buttons; a label's caption is written by the panel). The
// window and the web page show the same texts.
struct ControlText {
    std::string_view name;
    std::string_view toolTip;
    std::string_view description;
    std::string_view caption;
};

const ControlText& TextOf(Control control);

// The switches of the teaching views beside the option buttons, which are
// not controls of the traced panel.
const ControlText& ExactSwitchText();
const ControlText& ReflectionSwitchText();

// The title of the program's window and page.
inline constexpr std::string_view kWindowTitle = "Orvath PRINCIPLE";

// The screen-reader name of the drawing area.
inline constexpr std::string_view kPictureName = "Picture";

}  // namespace orvath
