// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace orvath {

// The form's font size in points.
inline constexpr double kFormFontPoints = 8.25;

// The form's font: the panel's buttons use it, and text printed on the
// picture is in it.
QFont PrintFont();

// Maps the form's font families to metric-compatible faces that Debian
// ships (Liberation), where the original faces are not installed.
void InstallFontSubstitutes();

}  // namespace orvath
