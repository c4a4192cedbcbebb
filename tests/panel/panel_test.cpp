// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/mystery.h"
#include "model/number_format.h"
#include "model/world_frame.h"
#include "panel/panel.h"
#include "panel/settings.h"
#include "support/pinned_traces.h"
#include "support/trace_script.h"
#include "surface/display_list.h"

namespace orvath {
namespace {

// Records what a view of the panel is told, one word per report.
struct Recorder : PanelObserver {
    void BarChanged(Bar bar, int value) override {
        log.push_back("bar " + std::string(SettingOf(bar).word) + " " + std::to_string(value));
    }
    void OptionSelected(DisplayMode mode) override {
        log.push_back(mode == DisplayMode::Continuous ? "continuous" : "wavelets");
    }
    void TimerEnabledWritten(bool enabled) override { log.push_back(enabled ? "on" : "off"); }
    void TimeEnded() override { log.push_back("end"); }
    void ViewChanged(View view) override {
        log.push_back(view == View::Exact ? "exact" : "classic");
    }
    void ReflectionChanged(bool shown) override { log.push_back(shown ? "reflected" : "hidden"); }
    void SpeedChanged(TimerSpeed speed) override {
        log.push_back("speed " + std::string(SpeedName(speed)));
    }
    void PictureChanged() override { ++pictures; }
    std::vector<std::string> log;
    int pictures = 0;
};

struct StartedPanel {
    explicit StartedPanel(View view = View::Classic) {
        panel.AddObserver(recorder);
        panel.SetView(view);
        recorder.log.clear();
        panel.StartUp(1600 * kTwipsPerPixel, 900 * kTwipsPerPixel);
    }
    DisplayList picture;
    Panel panel{picture};
    Recorder recorder;
};

TEST(PanelModel, TracesThePinnedScriptsWithoutAnyToolkit) {
    for (const auto& pinned : testing::kPinnedTraces) {
        const auto run = testing::RunScript(testing::CorpusScript(pinned.script),
                                            pinned.clientWidth, pinned.clientHeight);
        std::string text;
        for (const auto& line : run.lines) {
            text += line + '\n';
        }
        EXPECT_TRUE(testing::MatchesPin(pinned, text));
    }
}

TEST(PanelModel, ReportsChangesOnlyWhenAValueOrSelectionChanges) {
    StartedPanel p;
    EXPECT_EQ(p.recorder.pictures, 1);
    p.panel.MoveBar(Bar::Angle, 25);
    p.panel.Click(Button::Wavelets);
    EXPECT_TRUE(p.recorder.log.empty());
    // Out of range is the nearest end, as on a scroll bar.
    p.panel.MoveBar(Bar::Angle, 200);
    p.panel.MoveBar(Bar::Waves, -3);
    p.panel.Click(Button::Continuous);
    EXPECT_EQ(p.recorder.log, (std::vector<std::string>{"bar angle 89", "bar waves 5", "continuous",
                                                        "bar time 5"}));
    EXPECT_EQ(p.panel.Bars(), (BarValues{89, 50, 5, 5}));
    EXPECT_EQ(p.recorder.pictures, 4);
}

TEST(PanelModel, TheTimerRunsToTheEndAndStopsItself) {
    StartedPanel p;
    p.panel.MoveBar(Bar::Time, 4999);
    p.panel.Tick();  // disabled: nothing
    p.panel.StartOrStopTimer();
    p.panel.DeliverTicks(5);
    p.panel.StartOrStopTimer();
    EXPECT_EQ(p.recorder.log, (std::vector<std::string>{"bar time 4999", "on", "bar time 5000",
                                                        "off", "end", "on"}));
    EXPECT_TRUE(p.panel.TimerEnabled());
}

TEST(PanelModel, ResetToStartRedrawsTheWaveletPictureEvenWhenNoBarMoves) {
    StartedPanel moved;
    moved.panel.Click(Button::Continuous);
    moved.panel.MoveBar(Bar::Index, 240);
    moved.panel.ResetToStart();
    EXPECT_EQ(moved.panel.Bars(), StartValues());
    EXPECT_EQ(moved.panel.Mode(), DisplayMode::Wavelets);
    EXPECT_DOUBLE_EQ(moved.panel.CurrentScene().c2, 10);

    // Only the option differs: the time bar's handler draws the wavelets.
    StartedPanel modeOnly;
    modeOnly.panel.Click(Button::Continuous);
    modeOnly.panel.MoveBar(Bar::Time, 2000);
    const int before = modeOnly.recorder.pictures;
    modeOnly.panel.ResetToStart();
    EXPECT_EQ(modeOnly.recorder.pictures, before + 1);
    EXPECT_EQ(modeOnly.panel.Mode(), DisplayMode::Wavelets);
}

TEST(PanelModel, CriticalFlagAndConstantsFollowTheBars) {
    StartedPanel p;
    const auto scene = [&p] { return p.panel.CurrentScene(); };
    EXPECT_FALSE(scene().Critical());
    p.panel.MoveBar(Bar::Angle, 30);
    EXPECT_TRUE(scene().Critical());
    p.panel.MoveBar(Bar::Index, 60);
    EXPECT_FALSE(scene().Critical());
    EXPECT_DOUBLE_EQ(scene().c2, 5 / 0.6);
    p.panel.MoveBar(Bar::Index, 50);
    EXPECT_TRUE(scene().Critical());
    p.panel.Click(Button::Continuous);
    EXPECT_EQ(scene().pi, 4 * std::atan(1.0));
    EXPECT_EQ(scene().period, 6);
    EXPECT_EQ(scene().c1, 5);
    EXPECT_DOUBLE_EQ(scene().c2, 10);
}

// A step moves the time bar as a user would, so its Change redraws; a
// period is 600 steps of the wavelet picture's time and 100 of the
// continuous picture's; the bar's ends stop a step, and a running timer
// takes none.
TEST(PanelModel, StepsMoveTheTimeBarWhileTheTimerIsStopped) {
    struct Case {
        DisplayMode mode;
        int time;
        int steps;
        int periods;
        int expected;  // -1: no Change
    };
    const Case cases[] = {
        {DisplayMode::Wavelets, 2000, 1, 0, 2001},   {DisplayMode::Wavelets, 2000, -1, 0, 1999},
        {DisplayMode::Wavelets, 2000, 0, 1, 2600},   {DisplayMode::Wavelets, 2000, 0, -1, 1400},
        {DisplayMode::Continuous, 2000, 0, 1, 2100}, {DisplayMode::Continuous, 2000, 0, -1, 1900},
        {DisplayMode::Wavelets, 5000, 1, 0, -1},     {DisplayMode::Wavelets, 0, -1, 0, -1},
        {DisplayMode::Wavelets, 4800, 0, 1, 5000},   {DisplayMode::Continuous, 30, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.time) + " by " + std::to_string(c.steps) + " steps, " +
                     std::to_string(c.periods) + " periods");
        StartedPanel p;
        p.panel.Click(c.mode == DisplayMode::Continuous ? Button::Continuous : Button::Wavelets);
        p.panel.MoveBar(Bar::Time, c.time);
        p.recorder.log.clear();
        const int pictures = p.recorder.pictures;
        c.periods != 0 ? p.panel.StepPeriods(c.periods) : p.panel.StepTime(c.steps);
        if (c.expected < 0) {
            EXPECT_TRUE(p.recorder.log.empty());
            EXPECT_EQ(p.recorder.pictures, pictures);
        } else {
            EXPECT_EQ(p.recorder.log,
                      std::vector<std::string>{"bar time " + std::to_string(c.expected)});
            EXPECT_EQ(p.recorder.pictures, pictures + 1);
        }
    }
    StartedPanel running;
    running.panel.StartOrStopTimer();
    running.panel.StepTime(1);
    running.panel.StepPeriods(-1);
    EXPECT_EQ(running.panel.Bars().time, 2000);
}

// The speed is the window's business: the panel reports it and draws nothing.
TEST(PanelModel, TheSpeedIsReportedOnceAndRedrawsNothing) {
    StartedPanel p;
    p.panel.SetSpeed(TimerSpeed::Tenth);
    p.panel.SetSpeed(TimerSpeed::Tenth);
    p.panel.SetSpeed(TimerSpeed::Full);
    EXPECT_EQ(p.recorder.log, (std::vector<std::string>{"speed 1/10", "speed 1x"}));
    EXPECT_EQ(p.recorder.pictures, 1);
}

// Each switch redraws at once when it changes what is shown: the exact
// picture names its parts, the classic one none.
TEST(PanelModel, TheViewSwitchesRedrawOnlyWhenWhatIsShownChanges) {
    StartedPanel exact(View::Exact);
    EXPECT_EQ(exact.recorder.pictures, 1);
    EXPECT_FALSE(exact.picture.Parts().empty());
    exact.panel.SetView(View::Exact);
    exact.panel.SetReflection(true);
    exact.panel.SetView(View::Classic);
    exact.panel.SetReflection(false);
    EXPECT_TRUE(exact.picture.Parts().empty());
    EXPECT_EQ(exact.recorder.log, (std::vector<std::string>{"reflected", "classic", "hidden"}));
    // Reflection on, then off, in the classic view: no redraw.
    EXPECT_EQ(exact.recorder.pictures, 3);
}

}  // namespace
}  // namespace orvath

namespace orvath {
namespace {

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Whether a text the trace prints or writes as a caption holds `text`.
bool Prints(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        const bool printed = line.rfind("print ", 0) == 0 || line.rfind("caption ", 0) == 0;
        return printed && line.find(text) != std::string::npos;
    });
}

TEST(PanelModel, AMysteryMediumHidesTheIndexUntilRevealed) {
    const int hidden = MysteryIndex(7);
    const std::string told = FormatTwoDecimals(hidden / 100.0);
    const std::string right = FormatFixed(hidden / 100.0 * 1.01, 2);
    const testing::TraceResult run =
        testing::RunScript("view exact\nmystery 7\nindex 150\nangle 10\nguess\nguess 9,9\nguess " +
                           right + "\nreveal\nindex 150\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto started = run.AfterEvent("mystery 7");
    ASSERT_FALSE(started.empty());
    EXPECT_EQ(started.front(), "mystery 7");
    EXPECT_TRUE(HasLine(started, "value N_REFR " + std::to_string(hidden)));
    EXPECT_TRUE(Prints(started, "caption Label4 \"c2=  C1/?\""));
    // The bar keeps the hidden index, and no text of the picture tells it.
    EXPECT_TRUE(run.AfterEvent("index 150").empty());
    for (const char* event : {"mystery 7", "angle 10"}) {
        const auto lines = run.AfterEvent(event);
        EXPECT_FALSE(Prints(lines, told)) << event;
        EXPECT_TRUE(Prints(lines, "n = ?")) << event;
    }
    EXPECT_EQ(run.AfterEvent("guess"), std::vector<std::string>{"guess \"\" empty"});
    EXPECT_EQ(run.AfterEvent("guess 9,9"), std::vector<std::string>{"guess \"9,9\" out-of-range"});
    const auto found = run.AfterEvent("guess " + right);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front().rfind("guess \"" + right + "\" found ", 0), 0u) << found.front();
    const auto revealed = run.AfterEvent("reveal");
    ASSERT_FALSE(revealed.empty());
    EXPECT_EQ(revealed.front(), "reveal " + std::to_string(hidden));
    EXPECT_TRUE(Prints(revealed, "caption Label4 \"c2=  C1/" + told + "\""));
    EXPECT_TRUE(Prints(revealed, "n = " + told));
}

TEST(PanelModel, APanelStartedFromTheSettingsShownKeepsTheMystery) {
    DisplayList first;
    Panel shown(first);
    shown.StartUp(28800, 16200);
    shown.StartMystery(7);
    DisplayList second;
    Panel copy(second);
    copy.StartUp(28800, 16200);
    ApplySettings(SettingsShown(shown), copy);
    EXPECT_EQ(copy.MysterySeed(), std::optional<int>(7));
    EXPECT_EQ(copy.Bars().index, MysteryIndex(7));
}

}  // namespace
}  // namespace orvath
