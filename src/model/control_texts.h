// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/controls.h"
#include "text/translate.h"

namespace orvath {

// What a control says to the user: the name a screen reader gives it, its
// tooltip, its longer description, and the text written on it (options,
// switches and buttons; a label's caption is written by the panel). The
// window and the web page show the same texts, in the chosen language.
struct ControlText {
    std::string_view name;
    std::string_view toolTip;
    std::string_view description;
    std::string_view caption;
};

ControlText TextOf(Control control);

// The texts of a table marked with TrMark, in the chosen language.
ControlText Translated(const ControlText& text);

// The switches of the teaching views beside the option buttons, which are
// not controls of the traced panel.
ControlText ExactSwitchText();
ControlText ReflectionSwitchText();

// The title of the program's window and page, and the screen-reader name of
// the drawing area, as originals, shown through Tr.
inline constexpr std::string_view kWindowTitle = TrMark("Orvath PRINCIPLE");
inline constexpr std::string_view kPictureName = TrMark("Picture");
// The screen-reader name of the information box.
inline constexpr std::string_view kInformationName = TrMark("Information");

}  // namespace orvath
