// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/settings.h"

namespace orvath {

// What the command line asks for.
struct CommandLine {
    enum class Action { Window, Trace, Export, Help, Version };
    Action action = Action::Window;
    std::string script;      // --trace SCRIPT, "-" for standard input
    int clientWidth = 1920;  // --client WxH (trace) or --size WxH (export), pixels
    int clientHeight = 1080;
    std::string exportFile;  // --export FILE (.png or .svg)
    PanelSettings settings;  // --mode and the bar options
    bool autoplay = false;   // start the timer at start-up
    bool quitAtEnd = false;  // quit when the timer stops at the end of the time
    bool stats = false;      // print animation figures when quitting
};

struct CommandLineResult {
    CommandLine commandLine;
    std::string error;  // empty when the command line is valid
};

// Reads the arguments after the program name.
CommandLineResult ParseCommandLine(const std::vector<std::string_view>& args);

// The text of --help.
std::string UsageText();

}  // namespace orvath
