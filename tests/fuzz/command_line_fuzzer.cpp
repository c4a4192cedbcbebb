// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes, split at NUL bytes into arguments, to the command-line
// parser, and checks that what it accepts is within the limits the program
// relies on (an animation's among them) and that what it rejects comes with a
// one-line message.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/animation_run.h"
#include "panel/command_line.h"

namespace {

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "command-line fuzzer: %s\n%s\n", what, detail.c_str());
    std::abort();
}

bool Within(const std::optional<int>& value, int min, int max) {
    return !value || (*value >= min && *value <= max);
}

void CheckAccepted(const orvath::CommandLine& cl) {
    using Action = orvath::CommandLine::Action;
    if (cl.clientWidth < 1 || cl.clientWidth > 16384 || cl.clientHeight < 1 ||
        cl.clientHeight > 16384) {
        Fail("accepted a size out of range",
             std::to_string(cl.clientWidth) + "x" + std::to_string(cl.clientHeight));
    }
    const orvath::PanelSettings& b = cl.settings;
    using orvath::Bar;
    if (!Within(b[Bar::Angle], 0, 89) || !Within(b[Bar::Index], 50, 300) ||
        !Within(b[Bar::Waves], 5, 39) || !Within(b[Bar::Time], 0, 5000)) {
        Fail("accepted a bar value out of range", "");
    }
    if (cl.action == Action::Trace && cl.script.empty()) {
        Fail("accepted --trace without a script", "");
    }
    if ((cl.action == Action::Export || cl.action == Action::ExportAnimation) &&
        cl.exportFile.empty()) {
        Fail("accepted an export without a file", "");
    }
    if (cl.action == Action::ExportAnimation &&
        (cl.fromTime < 0 || cl.fromTime >= cl.toTime || cl.toTime > 5000 ||
         cl.framesPerSecond < 1 || cl.framesPerSecond > 50)) {
        Fail("accepted an animation that cannot run", std::to_string(cl.fromTime) + " to " +
                                                          std::to_string(cl.toTime) + " at " +
                                                          std::to_string(cl.framesPerSecond));
    }
    if (cl.action == Action::ExportAnimation &&
        (static_cast<long long>(cl.clientWidth) * cl.clientHeight >
             orvath::kMaxAnimationFramePixels ||
         orvath::AnimationFrameTimes(cl.fromTime, cl.toTime, cl.framesPerSecond, cl.speed).size() >
             static_cast<std::size_t>(orvath::kMaxAnimationFrames))) {
        Fail("accepted an animation beyond the limits",
             std::to_string(cl.clientWidth) + "x" + std::to_string(cl.clientHeight));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (input.empty()) {
        args.clear();
    }
    const orvath::CommandLineResult result = orvath::ParseCommandLine(args);
    if (result.error.empty()) {
        CheckAccepted(result.commandLine);
    } else if (result.error.find('\n') != std::string::npos) {
        Fail("an error message takes more than one line", result.error);
    }
    return 0;
}
