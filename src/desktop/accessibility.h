// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvath {

class OrvathForm;

// Gives every control a tooltip, an accessible name and an accessible
// description.
void DescribeControls(OrvathForm& form);

// Rewrites the angle bar's accessible description for the current angle and
// index: the angle of refraction or total reflection, and the critical angle.
void UpdateAngleDescription(OrvathForm& form);

}  // namespace orvath
