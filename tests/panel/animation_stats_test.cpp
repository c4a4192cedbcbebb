// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "panel/animation_stats.h"

namespace orvath {
namespace {

using Clock = AnimationStats::Clock;
using std::chrono::milliseconds;

// A clock that starts at the stats' creation and moves only when told.
struct FakeTime {
    Clock::time_point origin = Clock::time_point() + std::chrono::hours(1);
    Clock::time_point At(long ms) const { return origin + milliseconds(ms); }
};

TEST(AnimationStats, RatesAreOverTheTimeTheTimerRan) {
    const FakeTime t;
    AnimationStats stats(t.At(0));
    stats.FramePainted(milliseconds(30), t.At(150));  // before the timer: not counted
    stats.TimerStarted(t.At(200));
    for (int i = 0; i < 5001; ++i) {
        stats.TickDelivered();
    }
    for (int i = 0; i < 300; ++i) {
        stats.FramePainted(milliseconds(2), t.At(300 + 16 * i));
    }
    stats.TimerStopped(t.At(5201));
    stats.FramePainted(milliseconds(40), t.At(5300));  // after the timer: not counted

    const AnimationFigures f = stats.Figures(t.At(9000));
    EXPECT_EQ(f.ticks, 5001);
    EXPECT_DOUBLE_EQ(f.ticksPerSecond, 5001 / 5.001);
    EXPECT_EQ(f.frames, 300);
    EXPECT_DOUBLE_EQ(f.framesPerSecond, 300 / 5.001);
    EXPECT_DOUBLE_EQ(f.worstPaintMs, 2);
    EXPECT_DOUBLE_EQ(f.firstPictureMs, 150);
}

TEST(AnimationStats, RunsAddUpAndARunningTimerCountsUntilNow) {
    const FakeTime t;
    AnimationStats stats(t.At(0));
    stats.TimerStarted(t.At(1000));
    stats.TimerStopped(t.At(2000));
    stats.TimerStarted(t.At(3000));
    stats.TimerStarted(t.At(3500));  // already running: changes nothing
    stats.TickDelivered();
    stats.TickDelivered();
    stats.TickDelivered();
    stats.TickDelivered();
    EXPECT_DOUBLE_EQ(stats.Figures(t.At(4000)).ticksPerSecond, 2);
    stats.TimerStopped(t.At(5000));
    stats.TimerStopped(t.At(6000));  // already stopped: changes nothing
    EXPECT_DOUBLE_EQ(stats.Figures(t.At(9000)).ticksPerSecond, 4 / 3.0);
}

TEST(AnimationStats, WithoutTheTimerTheWholeLifeIsMeasured) {
    const FakeTime t;
    AnimationStats stats(t.At(0));
    stats.FramePainted(milliseconds(8), t.At(100));
    stats.FramePainted(milliseconds(4), t.At(600));
    const AnimationFigures f = stats.Figures(t.At(1000));
    EXPECT_EQ(f.ticks, 0);
    EXPECT_EQ(f.frames, 2);
    EXPECT_DOUBLE_EQ(f.framesPerSecond, 2);
    EXPECT_DOUBLE_EQ(f.medianPaintMs, 6);
    EXPECT_DOUBLE_EQ(f.worstPaintMs, 8);
    EXPECT_DOUBLE_EQ(f.firstPictureMs, 100);
}

TEST(AnimationStats, MedianOfAnOddCountIsTheMiddlePaint) {
    const FakeTime t;
    AnimationStats stats(t.At(0));
    for (const int ms : {9, 1, 5, 3, 7}) {
        stats.FramePainted(milliseconds(ms), t.At(10));
    }
    EXPECT_DOUBLE_EQ(stats.Figures(t.At(20)).medianPaintMs, 5);
}

TEST(AnimationStats, NothingPaintedReportsNoPicture) {
    const FakeTime t;
    const AnimationStats stats(t.At(0));
    const AnimationFigures f = stats.Figures(t.At(500));
    EXPECT_EQ(f.frames, 0);
    EXPECT_EQ(f.medianPaintMs, 0);
    EXPECT_LT(f.firstPictureMs, 0);
    EXPECT_EQ(StatsLine(f).find("first picture"), std::string::npos);
}

// The pace counts the ticks due at each speed for as long as it was chosen,
// over the time the timer ran.
TEST(AnimationStats, ThePaceIsAgainstTheSpeedsChosen) {
    const FakeTime t;
    AnimationStats stats(t.At(0));
    stats.SpeedSet(TimerSpeed::Tenth, t.At(100));  // before the timer: only chosen
    stats.TimerStarted(t.At(1000));
    stats.SpeedSet(TimerSpeed::Fiftieth, t.At(2000));  // 100 due at 1/10
    stats.TimerStopped(t.At(3000));                    // 20 due at 1/50
    stats.TimerStarted(t.At(4000));                    // 20 due at 1/50 by 5000
    for (int i = 0; i < 105; ++i) {
        stats.TickDelivered();
    }
    const AnimationFigures f = stats.Figures(t.At(5000));
    EXPECT_EQ(f.speed, TimerSpeed::Fiftieth);
    EXPECT_DOUBLE_EQ(f.pacePercent, 105 * 100.0 / 140);
    EXPECT_DOUBLE_EQ(f.ticksPerSecond, 105 / 3.0);
}

TEST(StatsLine, NamesEveryFigure) {
    AnimationFigures f;
    f.speed = TimerSpeed::Tenth;
    f.ticks = 5001;
    f.ticksPerSecond = 999.84;
    f.pacePercent = 99.96;
    f.frames = 301;
    f.framesPerSecond = 60.18;
    f.medianPaintMs = 2.404;
    f.worstPaintMs = 7.9;
    f.firstPictureMs = 131.4;
    EXPECT_EQ(StatsLine(f),
              "orvath stats: speed 1/10, 5001 ticks, 999.8 ticks/s, 100.0 % of the pace, "
              "301 frames, 60.2 frames/s, paint median 2.40 ms, worst 7.90 ms, "
              "first picture after 131 ms");
}

}  // namespace
}  // namespace orvath
