// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <iosfwd>
#include <string_view>

#include "panel/command_line.h"

namespace orvath {

// Runs the window headless on the trace surface: start-up, then the script's
// events, printing the trace to out and errors to err. Returns the exit
// status: 0 when the whole script ran, 2 for a script that cannot be read or
// has a bad line. Needs a QApplication.
int RunTrace(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

// What RunTrace does once the script is read: runs the script text on a
// client area of the given size, starting in the view the settings ask for.
// `name` is what error lines call the script.
int RunTraceScript(std::string_view name, std::string_view script, QSize client, std::ostream& out,
                   std::ostream& err, const PanelSettings& settings = {});

}  // namespace orvath
