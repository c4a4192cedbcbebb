// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/command_line.h"
#include "app/trace_run.h"
#include "web/trace_command.h"

namespace orvath::web {
namespace {

struct Run {
    int status = 0;
    std::string out;
    std::string err;
    friend bool operator==(const Run&, const Run&) = default;
};

Run WebTrace(const std::vector<std::string_view>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunTraceCommand(args, out, err);
    return {status, out.str(), err.str()};
}

Run DesktopTrace(const std::vector<std::string_view>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const auto [commandLine, error] = ParseCommandLine(args);
    if (!error.empty()) {
        return {2, "", "orvath: " + error + "\n"};
    }
    const int status = RunTrace(commandLine, out, err);
    return {status, out.str(), err.str()};
}

// The web build's trace runs the panel alone; the program runs it through
// the window. Both print the same, byte for byte, errors and status included,
// for every seed script at two sizes in both views and for scripts that
// cannot be read.
TEST(WebTrace, PrintsWhatTheProgramPrints) {
    const std::string corpus = ORVATH_TRACE_CORPUS;
    std::vector<std::vector<std::string>> runs = {
        {"--trace", "/nonexistent/script"},
        {"--trace", corpus},
        {"--trace", corpus + "/every_event.txt", "--client", "0x5"},
        {"--trace", corpus + "/every_event.txt", "--view", "sideways"},
    };
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string script = entry.path().string();
        runs.push_back({"--trace", script, "--client", "1366x768"});
        runs.push_back(
            {"--trace", script, "--client", "333x777", "--view", "exact", "--reflection", "on"});
    }
    for (const auto& run : runs) {
        const std::vector<std::string_view> args(run.begin(), run.end());
        EXPECT_EQ(WebTrace(args), DesktopTrace(args)) << run[1] << " " << run.size();
    }
}

}  // namespace
}  // namespace orvath::web
