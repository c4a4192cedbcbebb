// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "model/world_frame.h"

namespace orvath {

// The form's font: the panel's buttons use it, and text printed on the
// picture is in it.
QFont PrintFont();

// Maps the form's font families to metric-compatible faces that Debian
// ships (Liberation), where the original faces are not installed, and every
// face of the panel and the pictures to one with the Chinese characters.
void InstallFontSubstitutes();

}  // namespace orvath
