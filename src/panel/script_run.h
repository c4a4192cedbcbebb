// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "model/setting_words.h"
#include "panel/event_script.h"
#include "panel/settings.h"
#include "panel/user_actions.h"

namespace orvath {

// Exit statuses of a headless run.
inline constexpr int kRunOk = 0;
inline constexpr int kRunBadInput = 2;

// The whole script from a file, or from standard input for "-"; when it
// cannot be read, nothing, with "orvath: PATH:0: REASON" on err.
std::optional<std::string> ReadScript(const std::string& path, std::ostream& err);

// Carries out one script event.
void Perform(const ScriptEvent& event, UserActions& user);

// Runs the script's events one by one, each after its "event" line on out.
// A bad line stops the run with "orvath: NAME:LINE: MESSAGE" on err. Returns
// the exit status.
int RunScript(std::string_view name, std::string_view script, UserActions& user, std::ostream& out,
              std::ostream& err);

// The headless trace on the panel alone, with no toolkit: the view settings,
// start-up on a client area of the given size, then the script. It is what
// the program's trace through its window prints, byte for byte.
int TracePanel(std::string_view name, std::string_view script, PixelSize client,
               const PanelSettings& settings, std::ostream& out, std::ostream& err);

}  // namespace orvath
