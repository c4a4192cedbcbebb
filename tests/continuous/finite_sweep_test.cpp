// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "continuous/draw_continuous.h"
#include "support/checking_surface.h"
#include "support/scenes.h"

namespace orvath {
namespace {

// Every angle with every index (so each angle near its critical index), then
// every angle with a spread of indices, wave counts and times.
TEST(ContinuousSweep, EveryNumberReachingTheSurfaceIsFinite) {
    std::string firstFault;
    const auto draw = [&](std::int16_t angle, std::int16_t index, std::int16_t waves,
                          std::int16_t time) {
        testing::CheckingSurface surface(9, LineStyle::Dashed);
        DrawContinuous(testing::FormScene({angle, index, waves, time}, 1920, 1080), surface);
        // Along the normal only the axes are drawn and the pen is not touched.
        const bool penLeftWrong = angle != 0 && !surface.PenIsUsual();
        const long faults = surface.nonFinite + surface.negativeRadii + surface.anglesOutsideTurn;
        if ((faults > 0 || penLeftWrong) && firstFault.empty()) {
            firstFault = "angle " + std::to_string(angle) + ", index " + std::to_string(index) +
                         ", waves " + std::to_string(waves) + ", time " + std::to_string(time);
        }
    };

    for (std::int16_t angle = 0; angle <= 89; ++angle) {
        for (std::int16_t index = 50; index <= 300; ++index) {
            for (const std::int16_t time : {0, 1, 5000}) {
                draw(angle, index, 5, time);
            }
        }
    }
    std::vector<std::int16_t> times = {0, 1, 2, 3, 99, 100, 101, 4999, 5000};
    for (std::int16_t time = 13; time < 5000; time += 29) {
        times.push_back(time);
    }
    for (std::int16_t angle = 0; angle <= 89; ++angle) {
        for (const std::int16_t index : {50, 51, 67, 99, 100, 101, 150, 233, 300}) {
            for (const std::int16_t waves : {5, 6, 9, 22, 39}) {
                for (const auto time : times) {
                    draw(angle, index, waves, time);
                }
            }
        }
    }
    EXPECT_EQ(firstFault, "");
}

}  // namespace
}  // namespace orvath
