// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "panel/tick_schedule.h"

namespace orvath {
namespace {

using Clock = TickSchedule::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

const Clock::time_point kStart = Clock::time_point() + std::chrono::hours(1);

// A tick falls due at each whole multiple of the speed's interval, never before.
TEST(TickSchedule, TicksFallDueAtTheSpeedsPace) {
    struct Case {
        TimerSpeed speed;
        microseconds at;
        long due;
    };
    const Case cases[] = {
        {TimerSpeed::Full, microseconds(0), 0},
        {TimerSpeed::Full, microseconds(999), 0},
        {TimerSpeed::Full, microseconds(1000), 1},
        {TimerSpeed::Full, milliseconds(5000), 5000},
        {TimerSpeed::Half, microseconds(3999), 1},
        {TimerSpeed::Quarter, milliseconds(5000), 1250},
        {TimerSpeed::Tenth, milliseconds(5000), 500},
        {TimerSpeed::Fiftieth, milliseconds(49), 0},
        {TimerSpeed::Fiftieth, milliseconds(50), 1},
        {TimerSpeed::Fiftieth, milliseconds(5000), 100},
        {TimerSpeed::Tenth, -milliseconds(20), 0},
    };
    for (const Case& c : cases) {
        TickSchedule schedule;
        schedule.Start(kStart, c.speed);
        EXPECT_EQ(schedule.Due(kStart + c.at), c.due)
            << SpeedName(c.speed) << " at " << c.at.count() << " us";
    }
}

// Delivered ticks are no longer due; a run delivered as it falls due, with
// a change of speed half way, keeps the pace of each part; a new start
// forgets what went before.
TEST(TickSchedule, DeliveringAndChangingSpeedKeepThePace) {
    TickSchedule schedule;
    schedule.Start(kStart, TimerSpeed::Full);
    long delivered = 0;
    for (int ms = 1; ms <= 4000; ms += 7) {
        if (ms == 2003) {
            schedule.ChangeSpeed(kStart + milliseconds(ms), TimerSpeed::Tenth);
        }
        const long due = schedule.Due(kStart + milliseconds(ms));
        schedule.Delivered(due);
        delivered += due;
        EXPECT_EQ(schedule.Due(kStart + milliseconds(ms)), 0);
    }
    // 2003 ticks at full speed, then one every 10 ms up to the last look at 3998 ms.
    EXPECT_EQ(delivered, 2003 + 199);
    EXPECT_EQ(schedule.Speed(), TimerSpeed::Tenth);
    EXPECT_EQ(Slower(schedule.Speed()), TimerSpeed::Fiftieth);
    EXPECT_EQ(Slower(TimerSpeed::Fiftieth), TimerSpeed::Fiftieth);
    EXPECT_EQ(Faster(TimerSpeed::Full), TimerSpeed::Full);
    schedule.Start(kStart + milliseconds(5000), TimerSpeed::Half);
    EXPECT_EQ(schedule.Due(kStart + milliseconds(5003)), 1);
}

}  // namespace
}  // namespace orvath
