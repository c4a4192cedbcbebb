// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/tick_schedule.h"

namespace orvath {

void TickSchedule::Start(Clock::time_point now, TimerSpeed speed) {
    origin_ = now;
    dueAtOrigin_ = 0;
    delivered_ = 0;
    speed_ = speed;
}

void TickSchedule::ChangeSpeed(Clock::time_point now, TimerSpeed speed) {
    dueAtOrigin_ = DueSinceStart(now);
    origin_ = now;
    speed_ = speed;
}

long TickSchedule::Due(Clock::time_point now) const {
    return DueSinceStart(now) - delivered_;
}

long TickSchedule::DueSinceStart(Clock::time_point now) const {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - origin_);
    const long ticks = elapsed.count() < 0 ? 0 : elapsed.count() / MillisecondsPerTick(speed_);
    return dueAtOrigin_ + ticks;
}

}  // namespace orvath
