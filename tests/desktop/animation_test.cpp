// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "desktop/orvath_window.h"
#include "panel/animation_stats.h"

namespace orvath {
namespace {

// Runs the event loop until `done` or until the time limit has passed.
template <typename Done>
bool RunUntil(Done done, qint64 limitMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

TEST(Animation, TheRealClockDeliversEveryTickThenReportsTheEnd) {
    AnimationStats stats;
    OrvathWindow form(WindowWiring{.stats = &stats});
    form.StartUp({QRect(0, 0, 800, 450), 15});
    int ends = 0;
    QObject::connect(&form, &OrvathWindow::TimeRanOut, [&ends] { ++ends; });
    form.MoveBar(Bar::Time, 4950);
    form.Click(Button::Start);

    ASSERT_TRUE(RunUntil([&] { return ends > 0; }));
    EXPECT_FALSE(form.Model().TimerEnabled());
    EXPECT_EQ(form.Model().Bars().time, 5000);
    // 50 steps, then the tick that finds the end and stops the timer.
    const AnimationFigures figures = stats.Figures();
    EXPECT_EQ(figures.ticks, 51);
    EXPECT_GT(figures.ticksPerSecond, 0);
    EXPECT_GE(figures.firstPictureMs, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, 1);
}

TEST(Animation, StoppingByHandDoesNotReportTheEnd) {
    AnimationStats stats;
    OrvathWindow form(WindowWiring{.stats = &stats});
    form.StartUp({QRect(0, 0, 800, 450), 15});
    int ends = 0;
    QObject::connect(&form, &OrvathWindow::TimeRanOut, [&ends] { ++ends; });
    form.MoveBar(Bar::Time, 100);
    form.Click(Button::Start);
    ASSERT_TRUE(RunUntil([&] { return stats.Figures().ticks >= 5; }));
    form.Click(Button::Stop);
    const long ticks = stats.Figures().ticks;
    RunUntil([] { return false; }, 50);
    EXPECT_EQ(stats.Figures().ticks, ticks);
    EXPECT_EQ(form.Model().Bars().time, 100 + ticks);
    EXPECT_EQ(ends, 0);
}

}  // namespace
}  // namespace orvath
