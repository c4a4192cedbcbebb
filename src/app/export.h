// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "panel/command_line.h"

namespace orvath {

// Starts the panel on a client area of the export size, applies the settings
// as a user would and writes the picture the window's drawing area would show
// to the export file in the theme, PNG or SVG by its extension. Returns the
// exit status: 0 when the file is written, 2 (with a one-line message on err)
// when it is not. Needs a QApplication for painting.
int RunExport(const CommandLine& commandLine, std::ostream& err);

}  // namespace orvath
