// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/controls.h"
#include "model/refraction_facts.h"

namespace orvath {

// The lines of the information overlay: the index and, when it is a
// preset's, the pair of media; both speeds and wavelengths, the angles, the
// time in periods, the view shown, the keyboard shortcuts and why a known
// pair of media is not a preset. Numbers use the given decimal separator.
std::vector<std::string> InfoOverlayLines(const RefractionFacts& facts, View view,
                                          std::string_view decimalPoint);

// What a screen reader says about the picture: which one, in which view, and
// in the exact view the colours of the rays.
std::string PictureDescription(DisplayMode mode, View view, bool reflection);

// What a screen reader says about the angle bar: the angle of incidence, the
// angle of refraction or total reflection, and the critical angle.
std::string AngleBarDescription(const RefractionFacts& facts, std::string_view decimalPoint);

}  // namespace orvath
