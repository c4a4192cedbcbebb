// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/trace_run.h"
#include "support/pinned_traces.h"
#include "support/trace_script.h"

namespace orvath {
namespace {

// The program's trace drives the panel through the window's widgets; it must
// be the trace the panel gives alone (tests/panel), byte for byte.
TEST(ProgramTrace, ThroughTheWindowMatchesThePinnedTraces) {
    for (const auto& pinned : testing::kPinnedTraces) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunTraceScript(pinned.script, testing::CorpusScript(pinned.script),
                                          QSize(pinned.clientWidth, pinned.clientHeight), out, err);
        EXPECT_EQ(status, 0) << pinned.script << ": " << err.str();
        EXPECT_TRUE(testing::MatchesPin(pinned, out.str()));
    }
}

// The exact view, its switches and its part lines take the same path.
TEST(ProgramTrace, TheTeachingViewsTraceAsThePanelAloneDoes) {
    const std::string script =
        "view exact\nangle 30\nreflection on\ncontinuous\ntime 300\nview classic\n"
        "reflection off\nview exact\nwaves 39\ntimer\ntick 3\n";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunTraceScript("views", script, QSize(1366, 768), out, err), 0) << err.str();
    const auto alone = testing::RunScript(script, 1366, 768);
    EXPECT_EQ(testing::SplitLines(out.str()), alone.lines);
    EXPECT_GT(std::count(alone.lines.begin(), alone.lines.end(), "part refracted-front"), 3);
}

TEST(ProgramTrace, AScriptThatCannotBeReadTracesNothing) {
    std::ostringstream out;
    std::ostringstream err;
    CommandLine commandLine;
    commandLine.action = CommandLine::Action::Trace;
    commandLine.script = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(RunTrace(commandLine, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "orvath: " + commandLine.script + ":0: is a directory\n");

    commandLine.script = "/nonexistent/orvath/script";
    EXPECT_EQ(RunTrace(commandLine, out, err), 2);
    EXPECT_NE(err.str().find("orvath: /nonexistent/orvath/script:0: cannot open"),
              std::string::npos);
}

}  // namespace
}  // namespace orvath
