// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/trace_script.h"

namespace orvath {
namespace {

using testing::RunScript;
using Lines = std::vector<std::string>;

TEST(StartUp, LaysOutThePanelThenShowsAndDraws) {
    const auto run = RunScript("", 1600, 900);
    ASSERT_EQ(run.status, 0);
    const Lines expected = {
        "scale -355.555542 100 0 -100",
        "place prosptosis -355.555542 100 35.5555534 5",
        "place Label1 -320 100 88.8888855 16.2222214",
        "place xronos -355.555542 95 35.5555534 5",
        "place Label2 -320 95 88.8888855 10.8888893",
        "place arithkyMATON -355.555542 90 35.5555534 5",
        "place Label3 -320 90 88.8888855 12.666667",
        "place Option1 -355.555542 85 53.3333321 6.5",
        "place Option2 -355.555542 75 53.3333321 6.5",
        "place N_REFR -355.555542 68.5 62.4444427 10.8888893",
        "place Label4 -355.555542 57.6111107 46.4444427 14.4444447",
        "place Command1 -231.111115 95 30.4444447 14.4444447",
        "place Command2 -200.666672 95 26.8888893 14.4444447",
        "caption Label1 \"ANGLE OF INCIDENCE= 25\"",
        "caption Label3 \"# WAVES = 10\"",
        "caption Label4 \"c2=  C1/0.50\"",
        "line -355.555542 0 0 0 fg",
        "line 0 -100 0 100 fg",
        "show",
        "caption Label2 \"TIME =20.00\"",
    };
    ASSERT_GE(run.lines.size(), expected.size());
    EXPECT_EQ(Lines(run.lines.begin(), run.lines.begin() + expected.size()), expected);
    // The first picture is the wavelet picture: it writes its own time caption.
    EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "caption Label2 \"TIME= 20.00 * T\""),
              run.lines.end());
}

TEST(Handlers, AngleTestPrintsTheMessageBeforeTheCaption) {
    const auto run = RunScript("angle 30\nangle 31\nangle 29\nindex 100\nangle 89\nangle 0\n");
    const auto firstLines = [&](const std::string& event) {
        const Lines after = run.AfterEvent(event);
        return Lines(after.begin(), after.begin() + std::min<std::size_t>(3, after.size()));
    };
    EXPECT_EQ(firstLines("angle 30"), (Lines{"cls", "print -50 70 \"CRITICAL\"",
                                             "caption Label1 \"ANGLE OF INCIDENCE= 30\""}));
    EXPECT_EQ(firstLines("angle 31")[1], "print -50 70 \"GREATER THAN CRITICAL\"");
    EXPECT_EQ(firstLines("angle 29")[1], "print -50 70 \"LESS THAN CRITICAL\"");
    EXPECT_EQ(firstLines("angle 89")[1], "print -50 70 \"LESS THAN CRITICAL\"");
    EXPECT_EQ(firstLines("angle 0")[1], "print -50 70 \"LESS THAN CRITICAL\"");
}

TEST(Handlers, EachBarWritesItsLabelInItsOwnWording) {
    const auto run = RunScript("time 1999\ntime 2000\nwaves 12\nindex 150\n");
    EXPECT_EQ(run.AfterEvent("time 2000").at(1), "caption Label2 \"TIME = 120.00* T\"");
    EXPECT_EQ(run.AfterEvent("time 2000").back(), "style 0");
    EXPECT_EQ(run.AfterEvent("waves 12").at(1), "caption Label3 \"# WAVES = 12\"");
    EXPECT_EQ(run.AfterEvent("index 150").at(0), "cls");
    EXPECT_EQ(run.AfterEvent("index 150").at(1), "caption Label4 \"c2=  C1/1.50\"");
}

TEST(Handlers, AnUnchangedBarOrSelectedOptionRaisesNothing) {
    const auto run = RunScript("angle 25\nwavelets\nindex 50\n");
    EXPECT_TRUE(run.AfterEvent("angle 25").empty());
    EXPECT_TRUE(run.AfterEvent("wavelets").empty());
    EXPECT_TRUE(run.AfterEvent("index 50").empty());
}

TEST(Handlers, ContinuousResetsTheTimeThroughTheBar) {
    const auto run = RunScript("continuous\ncontinuous\nwavelets\nangle 40\n");
    const Lines after = run.AfterEvent("continuous");
    ASSERT_GE(after.size(), 3u);
    EXPECT_EQ(Lines(after.begin(), after.begin() + 3),
              (Lines{"value xronos 5", "cls", "caption Label2 \"TIME = 0.30* T\""}));
    // "WAVELETS" draws nothing itself; the next change draws the wavelet picture.
    EXPECT_TRUE(run.AfterEvent("wavelets").empty());
    const Lines angle = run.AfterEvent("angle 40");
    EXPECT_NE(std::find(angle.begin(), angle.end(), "caption Label2 \"TIME= 0.05 * T\""),
              angle.end());
}

TEST(Handlers, ContinuousRedrawsEvenWhenTheTimeAlreadyHoldsFive) {
    const auto run = RunScript("time 5\ncontinuous\n");
    const Lines after = run.AfterEvent("continuous");
    ASSERT_GE(after.size(), 3u);
    EXPECT_EQ(Lines(after.begin(), after.begin() + 3),
              (Lines{"value xronos 5", "cls", "caption Label2 \"TIME = 0.30* T\""}));
}

TEST(Timer, TicksAdvanceTheTimeBarUntilItsEnd) {
    const auto run = RunScript("tick\ntimer\ntime 4998\ntick 5\ntick\nstop\ntimer\nstop\n");
    EXPECT_TRUE(run.AfterEvent("tick").empty());
    EXPECT_EQ(run.AfterEvent("timer"), Lines{"timer on"});
    Lines values;
    for (const auto& line : run.AfterEvent("tick 5")) {
        if (line.rfind("value", 0) == 0 || line.rfind("timer", 0) == 0 || line == "cls") {
            values.push_back(line);
        }
    }
    EXPECT_EQ(values, (Lines{"value xronos 4999", "cls", "value xronos 5000", "cls", "timer off"}));
    // Once the timer has stopped itself, ticks deliver nothing; STOP TIMER
    // still writes Enabled.
    EXPECT_EQ(run.AfterEvent("stop"), Lines{"timer off"});
}

TEST(Timer, EveryTickIsOneClearAndRedrawAtTheNextTime) {
    const auto run = RunScript("timer\ntick 3\n");
    int clears = 0;
    Lines captions;
    for (const auto& line : run.AfterEvent("tick 3")) {
        clears += line == "cls";
        if (line.rfind("caption Label2 \"TIME =", 0) == 0) {
            captions.push_back(line);
        }
    }
    EXPECT_EQ(clears, 3);
    EXPECT_EQ(captions,
              (Lines{"caption Label2 \"TIME = 120.06* T\"", "caption Label2 \"TIME = 120.12* T\"",
                     "caption Label2 \"TIME = 120.18* T\""}));
}

TEST(Script, ABadLineStopsTheRunAfterWhatWentBefore) {
    const auto run = RunScript("# comment\r\nangle 30\r\n\nangle 95\nangle 31\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find(":4: 'angle' value '95' is outside 0 to 89\n"), std::string::npos);
    EXPECT_EQ(run.errors.rfind("orvath: ", 0), 0u);
    EXPECT_FALSE(run.AfterEvent("angle 30").empty());
    for (const auto& line : run.lines) {
        EXPECT_NE(line, "event angle 95");
        EXPECT_NE(line, "event angle 31");
    }
}

TEST(Script, EmptyAndWindowsLineEndingsRunToTheEnd) {
    EXPECT_EQ(RunScript("").status, 0);
    const auto run = RunScript("waves 7\r\ntime 0\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.AfterEvent("time 0").empty());
}

}  // namespace
}  // namespace orvath
