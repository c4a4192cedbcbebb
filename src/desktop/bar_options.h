// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panel/settings.h"

namespace orvath {

class OrvathForm;

// Applies the settings as a user would, so the handlers run: clicks the
// mode's option button, then moves the angle, index, waves and time bars.
void ApplyBarOptions(OrvathForm& form, const BarOptions& options);

}  // namespace orvath
