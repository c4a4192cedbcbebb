// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include "model/timer_speed.h"

namespace orvath {

// When the running timer's ticks fall due in real time: one every
// MillisecondsPerTick(speed) since the timer started. It only counts; who
// delivers the ticks asks how many are due and says how many it delivered.
// Every call takes the time, so a test can drive it with a clock of its own.
class TickSchedule {
  public:
    using Clock = std::chrono::steady_clock;

    // The timer starts now: no tick is due yet and none delivered.
    void Start(Clock::time_point now, TimerSpeed speed);
    // Goes on at another speed from now; the ticks due so far stay due.
    void ChangeSpeed(Clock::time_point now, TimerSpeed speed);
    // The ticks due by `now` that have not been delivered.
    long Due(Clock::time_point now) const;
    void Delivered(long count = 1) { delivered_ += count; }

    TimerSpeed Speed() const { return speed_; }

  private:
    // The ticks due by `now` since the start, delivered or not.
    long DueSinceStart(Clock::time_point now) const;

    Clock::time_point origin_;  // the start, or the last change of speed
    long dueAtOrigin_ = 0;
    long delivered_ = 0;
    TimerSpeed speed_ = TimerSpeed::Full;
};

}  // namespace orvath
