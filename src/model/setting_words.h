// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/controls.h"

namespace orvath {

// The words and numbers that the program's options, the web build's trace
// runner and the page's links take for the panel's settings, read and
// written one way everywhere.

// The largest side of a client area or a picture, in pixels.
inline constexpr int kMaxClientSide = 16384;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// "WxH", each side a whole number from 1 to kMaxClientSide.
std::optional<PixelSize> ParsePixelSize(std::string_view text);

// A whole number is one optional sign, '+' or '-', and decimal digits: "7",
// "+7", "-0", "007"; not "+-7", "--7" or "7 ".
bool IsWholeNumber(std::string_view text);
// A whole number that fits an int.
std::optional<int> ParseWholeNumber(std::string_view text);

// A decimal number such as "2", "-0.5" or "1.25", nothing else.
std::optional<double> ParseDecimal(std::string_view text);

// "wavelets" / "continuous", "classic" / "exact", "off" / "on".
std::string_view ModeName(DisplayMode mode);
std::string_view ViewName(View view);
std::string_view SwitchName(bool on);
std::optional<DisplayMode> ModeNamed(std::string_view word);
std::optional<View> ViewNamed(std::string_view word);
std::optional<bool> SwitchNamed(std::string_view word);

// The one-line errors for an option given a bad size, view or switch:
// "--client needs a size WxH, each side 1 to 16384 pixels".
std::string SizeOptionError(std::string_view option);
std::string ViewOptionError(std::string_view option);
std::string SwitchOptionError(std::string_view option);

}  // namespace orvath
