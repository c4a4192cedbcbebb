// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvath {

// Maps the form's font families to metric-compatible faces that Debian
// ships (Liberation), where the original faces are not installed.
void InstallFontSubstitutes();

}  // namespace orvath
