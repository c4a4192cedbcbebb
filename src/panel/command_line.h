// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/timer_speed.h"
#include "panel/settings.h"
#include "surface/theme.h"
#include "surface/zoom.h"

namespace orvath {

// What the command line asks for.
struct CommandLine {
    enum class Action { Window, Trace, Export, ExportAnimation, Help, Version };
    Action action = Action::Window;
    std::string script;  // --trace SCRIPT, "-" for standard input
    // --client WxH (trace) or --size WxH (export), pixels; an animation's
    // default is 960x540.
    int clientWidth = 1920;
    int clientHeight = 1080;
    // --export FILE (.png or .svg) or --export-animation FILE (.gif)
    std::string exportFile;
    PanelSettings settings;               // the view, --mode, the bar options and --medium
    TimerSpeed speed = TimerSpeed::Full;  // --speed, the window's and the animation's
    Theme theme = Theme::Classic;         // --theme
    int fromTime = 0;                     // --from, --to: the animation's time bar
    int toTime = 5000;
    int framesPerSecond = 25;  // --fps
    bool autoplay = false;     // start the timer at start-up
    bool quitAtEnd = false;    // quit when the timer stops at the end of the time
    bool stats = false;        // print animation figures when quitting
    // --zoom F and --centre X,Y (world units), the window's and the
    // picture's; the middle of the picture when no centre is given.
    Zoom zoom;
    bool centreGiven = false;
    // --protractor on|off and --ruler on|off, the window's and the
    // picture's; --mystery N, a mystery medium from seed N.
    bool protractor = false;
    bool ruler = false;
    std::optional<int> mysterySeed;
    // --lang: a code MatchLanguage gave; empty when not given.
    std::string language;
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
