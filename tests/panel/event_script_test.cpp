// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "panel/event_script.h"
#include "support/script_errors.h"

namespace orvath {
namespace {

using Status = ScriptLine::Status;

TEST(EventScript, ReadsEveryEventWord) {
    using Kind = ScriptEvent::Kind;
    struct Case {
        const char* line;
        ScriptEvent event;
    };
    const Case cases[] = {
        {"angle 30", {Kind::MoveBar, Bar::Angle, {}, 30, "angle 30", {}}},
        {"  index\t150\r", {Kind::MoveBar, Bar::Index, {}, 150, "index 150", {}}},
        {"index 300", {Kind::MoveBar, Bar::Index, {}, 300, "index 300", {}}},
        {"waves +5", {Kind::MoveBar, Bar::Waves, {}, 5, "waves +5", {}}},
        {"waves 39", {Kind::MoveBar, Bar::Waves, {}, 39, "waves 39", {}}},
        {"time   -0", {Kind::MoveBar, Bar::Time, {}, 0, "time -0", {}}},
        {"time 5000", {Kind::MoveBar, Bar::Time, {}, 5000, "time 5000", {}}},
        {"angle 89", {Kind::MoveBar, Bar::Angle, {}, 89, "angle 89", {}}},
        {"continuous", {Kind::Click, {}, Button::Continuous, 0, "continuous", {}}},
        {"wavelets", {Kind::Click, {}, Button::Wavelets, 0, "wavelets", {}}},
        {"timer", {Kind::Click, {}, Button::Start, 0, "timer", {}}},
        {"stop\r", {Kind::Click, {}, Button::Stop, 0, "stop", {}}},
        {"tick", {Kind::Tick, {}, {}, 1, "tick", {}}},
        {"tick 100000", {Kind::Tick, {}, {}, 100000, "tick 100000", {}}},
        {"view  exact", {Kind::View, {}, {}, static_cast<int>(View::Exact), "view exact", {}}},
        {"view classic", {Kind::View, {}, {}, static_cast<int>(View::Classic), "view classic", {}}},
        {"reflection on", {Kind::Reflection, {}, {}, 1, "reflection on", {}}},
        {"reflection off\r", {Kind::Reflection, {}, {}, 0, "reflection off", {}}},
        {"mystery 999999", {Kind::Mystery, {}, {}, 999999, "mystery 999999", {}}},
        {"guess  1,47\t ok ", {Kind::Guess, {}, {}, 0, "guess 1,47 ok", "1,47 ok"}},
        {"guess", {Kind::Guess, {}, {}, 0, "guess", ""}},
        {"reveal", {Kind::Reveal, {}, {}, 0, "reveal", {}}},
    };
    for (const Case& c : cases) {
        const ScriptLine parsed = ParseScriptLine(c.line);
        ASSERT_EQ(parsed.status, Status::Event) << c.line << ": " << parsed.error;
        const ScriptEvent& e = parsed.event;
        EXPECT_EQ(e.kind, c.event.kind) << c.line;
        if (e.kind == Kind::MoveBar) {
            EXPECT_EQ(e.bar, c.event.bar) << c.line;
        }
        if (e.kind == Kind::Click) {
            EXPECT_EQ(e.button, c.event.button) << c.line;
        }
        EXPECT_EQ(e.value, c.event.value) << c.line;
        EXPECT_EQ(e.words, c.event.words) << c.line;
        EXPECT_EQ(e.typed, c.event.typed) << c.line;
    }
}

TEST(EventScript, SkipsBlankLinesAndComments) {
    for (const char* line : {"", "   ", "\r", "# angle 30", "   #x", "#"}) {
        EXPECT_EQ(ParseScriptLine(line).status, Status::Skip) << line;
    }
}

TEST(EventScript, RejectsBadLinesWithAMessage) {
    for (const auto& [line, message] : testing::ScriptErrors()) {
        const ScriptLine parsed = ParseScriptLine(line);
        EXPECT_EQ(parsed.status, Status::Error) << line;
        EXPECT_EQ(parsed.error, message) << line;
    }
}

TEST(EventScript, MessagesStayShortAndPrintable) {
    const std::string huge(1 << 20, 'a');
    const ScriptLine parsed = ParseScriptLine(huge);
    ASSERT_EQ(parsed.status, Status::Error);
    EXPECT_LT(parsed.error.size(), 80u);

    const ScriptLine binary = ParseScriptLine(std::string("angle\0\x01", 7));
    ASSERT_EQ(binary.status, Status::Error);
    EXPECT_EQ(binary.error,
              "unknown event 'angle?"
              "?'");
}

}  // namespace
}  // namespace orvath
