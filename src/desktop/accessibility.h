// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvath {

class OrvathWindow;

// Gives every control a tooltip, an accessible name and an accessible
// description.
void DescribeControls(OrvathWindow& window);

// Rewrites the angle bar's accessible description for the current angle and
// index: the angle of refraction or total reflection, and the critical angle.
void UpdateAngleDescription(OrvathWindow& window);

}  // namespace orvath
