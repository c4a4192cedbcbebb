#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvath {

// What the command line asks for.
struct CommandLine {
    enum class Action { Window, Trace, Help, Version };
    Action action = Action::Window;
    std::string script;      // --trace SCRIPT, "-" for standard input
    int clientWidth = 1920;  // --client WxH, in pixels
    int clientHeight = 1080;
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
