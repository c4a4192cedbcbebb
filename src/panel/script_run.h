// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "panel/event_script.h"
#include "panel/user_actions.h"

namespace orvath {

// Exit statuses of a headless run.
inline constexpr int kRunOk = 0;
inline constexpr int kRunBadInput = 2;

// The whole script from a file, or from standard input for "-"; nullopt with
// a one-line reason in `error` when it cannot be read.
std::optional<std::string> ReadScript(const std::string& path, std::string& error);

// Carries out one script event.
void Perform(const ScriptEvent& event, UserActions& user);

// Runs the script's events one by one, each after its "event" line on out.
// A bad line stops the run with "orvath: NAME:LINE: MESSAGE" on err. Returns
// the exit status.
int RunScript(std::string_view name, std::string_view script, UserActions& user, std::ostream& out,
              std::ostream& err);

}  // namespace orvath
