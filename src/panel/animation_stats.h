// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "model/timer_speed.h"

namespace orvath {

// What --stats reports: the ticks the timer delivered and the frames painted
// while it ran, and how long the paints took.
struct AnimationFigures {
    TimerSpeed speed = TimerSpeed::Full;  // the last one chosen
    long ticks = 0;
    double ticksPerSecond = 0;
    double pacePercent = 0;  // ticks against those due at the speeds chosen
    long frames = 0;
    double framesPerSecond = 0;
    double medianPaintMs = 0;
    double worstPaintMs = 0;
    double firstPictureMs = -1;  // from creation to the end of the first paint; -1 before it
};

// Counts timer ticks and painted frames. The measured period is the time the
// timer ran (added up over every run); a program whose timer never ran is
// measured over its whole life. The pace compares the ticks delivered with
// those due in that time at the speed in force. Created when the program
// starts.
class AnimationStats {
  public:
    using Clock = std::chrono::steady_clock;

    explicit AnimationStats(Clock::time_point created = Clock::now()) : created_(created) {}

    void TimerStarted(Clock::time_point now = Clock::now());
    void TimerStopped(Clock::time_point now = Clock::now());
    void SpeedSet(TimerSpeed speed, Clock::time_point now = Clock::now());
    void TickDelivered();
    // A paint that ended at `finished` after taking `took`.
    void FramePainted(Clock::duration took, Clock::time_point finished = Clock::now());

    AnimationFigures Figures(Clock::time_point now = Clock::now()) const;

  private:
    Clock::duration MeasuredTime(Clock::time_point now) const;
    // The ticks due from the last start or change of speed until now.
    double DueSinceSegment(Clock::time_point now) const;

    Clock::time_point created_;
    Clock::time_point runStarted_;
    Clock::duration runTime_{};
    Clock::time_point segmentStarted_;
    double dueTicks_ = 0;  // in the runs' past segments
    TimerSpeed speed_ = TimerSpeed::Full;
    bool running_ = false;
    bool everRan_ = false;
    long ticks_ = 0;
    std::vector<Clock::duration> paintTimes_;
    Clock::duration firstPicture_{-1};
};

// The one line that --stats prints, e.g. "orvath stats: speed 1x, 5000 ticks,
// 999.8 ticks/s, 100.0 % of the pace, 301 frames, 60.1 frames/s, paint median
// 2.40 ms, worst 7.91 ms, first picture after 131 ms".
std::string StatsLine(const AnimationFigures& figures);

}  // namespace orvath
