// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/animation_run.h"

#include <cmath>

namespace orvath {
namespace {

constexpr double kMillisecondsPerSecond = 1000;

std::string Size(long long width, long long height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

std::vector<int> AnimationFrameTimes(int fromTime, int toTime, int framesPerSecond,
                                     TimerSpeed speed) {
    const double stepsPerFrame =
        kMillisecondsPerSecond / framesPerSecond / MillisecondsPerTick(speed);
    std::vector<int> times;
    for (int frame = 0;; ++frame) {
        const auto time = fromTime + static_cast<int>(std::lround(frame * stepsPerFrame));
        if (time >= toTime) {
            break;
        }
        times.push_back(time);
    }
    times.push_back(toTime);
    return times;
}

std::string AnimationLimits() {
    return "at most " + std::to_string(kMaxAnimationFrames) + " frames of at most " +
           Size(kMaxAnimationFrameWidth, kMaxAnimationFrameHeight) + " = " +
           std::to_string(kMaxAnimationFramePixels) + " pixels";
}

std::string AnimationLimitError(int width, int height, std::size_t frames) {
    if (static_cast<long long>(width) * height > kMaxAnimationFramePixels) {
        return "frames of " + Size(width, height) + " pixels are too large: an animation has " +
               AnimationLimits();
    }
    if (frames > static_cast<std::size_t>(kMaxAnimationFrames)) {
        return std::to_string(frames) + " frames are too many: an animation has " +
               AnimationLimits();
    }
    return {};
}

}  // namespace orvath
