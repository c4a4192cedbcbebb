// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "panel/command_line.h"

namespace orvath {

// Writes the animated GIF that --export-animation asks for: the panel with
// the command line's settings while the time bar runs from --from to --to,
// painted in its theme. When `showProgress`, a run that takes a while
// reports the frame it is at on err, on one line rewritten in place. Returns
// the exit status: 0 when the file is written, 2 (with a one-line message on
// err) when it is not; the file is written whole or not at all. Needs a
// QApplication.
int RunAnimationExport(const CommandLine& commandLine, std::ostream& err, bool showProgress);

}  // namespace orvath
