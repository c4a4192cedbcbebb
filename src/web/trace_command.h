// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

namespace orvath::web {

// The headless trace of the web build, for the arguments after the program
// name, read as the desktop program reads them: --trace SCRIPT [--client WxH]
// [--view classic|exact] [--reflection on|off]. It runs the script on the
// panel model alone and
// prints what the desktop program prints for the same arguments: the trace
// on `out`, its error lines on `err`. Returns the exit status (0, or 2 for a
// bad argument or script).
int RunTraceCommand(const std::vector<std::string_view>& args, std::ostream& out,
                    std::ostream& err);

}  // namespace orvath::web
