// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/animation_stats.h"

#include <algorithm>
#include <cstdio>

namespace orvath {
namespace {

double Milliseconds(AnimationStats::Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<AnimationStats::Clock::duration> values) {
    if (values.empty()) {
        return 0;
    }
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid),
                     values.end());
    const double upper = Milliseconds(values[mid]);
    if (values.size() % 2 == 1) {
        return upper;
    }
    const auto lower =
        std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid));
    return (Milliseconds(*lower) + upper) / 2;
}

}  // namespace

void AnimationStats::TimerStarted(Clock::time_point now) {
    if (running_) {
        return;
    }
    if (!everRan_) {
        // Frames painted before the first run are not part of the animation.
        paintTimes_.clear();
        everRan_ = true;
    }
    running_ = true;
    runStarted_ = now;
    segmentStarted_ = now;
}

void AnimationStats::TimerStopped(Clock::time_point now) {
    if (!running_) {
        return;
    }
    runTime_ += now - runStarted_;
    dueTicks_ += DueSinceSegment(now);
    running_ = false;
}

void AnimationStats::SpeedSet(TimerSpeed speed, Clock::time_point now) {
    if (running_) {
        dueTicks_ += DueSinceSegment(now);
        segmentStarted_ = now;
    }
    speed_ = speed;
}

double AnimationStats::DueSinceSegment(Clock::time_point now) const {
    return Milliseconds(now - segmentStarted_) / MillisecondsPerTick(speed_);
}

void AnimationStats::TickDelivered() {
    ++ticks_;
}

void AnimationStats::FramePainted(Clock::duration took, Clock::time_point finished) {
    if (firstPicture_ < Clock::duration::zero()) {
        firstPicture_ = finished - created_;
    }
    if (running_ || !everRan_) {
        paintTimes_.push_back(took);
    }
}

AnimationStats::Clock::duration AnimationStats::MeasuredTime(Clock::time_point now) const {
    if (!everRan_) {
        return now - created_;
    }
    return running_ ? runTime_ + (now - runStarted_) : runTime_;
}

AnimationFigures AnimationStats::Figures(Clock::time_point now) const {
    AnimationFigures f;
    const double seconds = std::chrono::duration<double>(MeasuredTime(now)).count();
    f.speed = speed_;
    f.ticks = ticks_;
    if (const double due = dueTicks_ + (running_ ? DueSinceSegment(now) : 0); due > 0) {
        f.pacePercent = 100 * static_cast<double>(ticks_) / due;
    }
    f.frames = static_cast<long>(paintTimes_.size());
    if (seconds > 0) {
        f.ticksPerSecond = static_cast<double>(f.ticks) / seconds;
        f.framesPerSecond = static_cast<double>(f.frames) / seconds;
    }
    f.medianPaintMs = Median(paintTimes_);
    if (!paintTimes_.empty()) {
        f.worstPaintMs = Milliseconds(*std::max_element(paintTimes_.begin(), paintTimes_.end()));
    }
    if (firstPicture_ >= Clock::duration::zero()) {
        f.firstPictureMs = Milliseconds(firstPicture_);
    }
    return f;
}

std::string StatsLine(const AnimationFigures& f) {
    char line[256];
    std::snprintf(line, sizeof line,
                  "orvath stats: speed %s, %ld ticks, %.1f ticks/s, %.1f %% of the pace, "
                  "%ld frames, %.1f frames/s, paint median %.2f ms, worst %.2f ms",
                  std::string(SpeedName(f.speed)).c_str(), f.ticks, f.ticksPerSecond, f.pacePercent,
                  f.frames, f.framesPerSecond, f.medianPaintMs, f.worstPaintMs);
    std::string text = line;
    if (f.firstPictureMs >= 0) {
        std::snprintf(line, sizeof line, ", first picture after %.0f ms", f.firstPictureMs);
        text += line;
    }
    return text;
}

}  // namespace orvath
