// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/timer_speed.h"

namespace orvath {

// What an animation for slides may be: far more than a slide needs, and
// little enough that a mistaken size or pace is refused instead of taking
// gigabytes of memory or hours. A frame may have any shape within the
// pixels of a 3840x2160 one.
inline constexpr int kMaxAnimationFrames = 10000;
inline constexpr int kMaxAnimationFrameWidth = 3840;
inline constexpr int kMaxAnimationFrameHeight = 2160;
inline constexpr long long kMaxAnimationFramePixels =
    static_cast<long long>(kMaxAnimationFrameWidth) * kMaxAnimationFrameHeight;

// An animation's size and pace unless asked otherwise: the window's and the
// page's "save animation" and --export-animation.
inline constexpr int kAnimationWidth = 960;
inline constexpr int kAnimationHeight = 540;
inline constexpr int kAnimationFramesPerSecond = 25;

// The time bar's value in each frame of a run from `fromTime` to `toTime`
// at the timer's pace for `speed` (1000 steps a second at full speed),
// `framesPerSecond` (> 0) a second: from fromTime on, as far as the timer
// runs in a frame's time, and toTime in the last frame.
std::vector<int> AnimationFrameTimes(int fromTime, int toTime, int framesPerSecond,
                                     TimerSpeed speed);

// "at most 10000 frames of at most 3840x2160 = 8294400 pixels".
std::string AnimationLimits();

// Why an animation of `frames` frames of `width` x `height` pixels cannot be
// made, on one line, or an empty string.
std::string AnimationLimitError(int width, int height, std::size_t frames);

}  // namespace orvath
