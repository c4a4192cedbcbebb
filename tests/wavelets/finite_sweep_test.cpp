// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/checking_surface.h"
#include "support/scenes.h"
#include "wavelets/draw_wavelets.h"

namespace orvath {
namespace {

// Draws every combination of the bar values given (time from 0 to 5000 in
// steps) and names the first one that hands the surface a non-finite number.
std::string FirstNonFinite(const std::vector<int>& angles, const std::vector<int>& indices,
                           const std::vector<int>& waveCounts, int timeStep, std::int16_t flag) {
    for (const int angle : angles) {
        for (const int index : indices) {
            for (const int waves : waveCounts) {
                for (int time = 0; time <= 5000; time += timeStep) {
                    testing::CheckingSurface surface;
                    DrawWavelets(
                        testing::FormScene(
                            testing::Bars(angle, index, waves, time), 1600, 900,
                            flag == -1 ? CriticalVerdict::Critical : CriticalVerdict::Less),
                        surface, nullptr);
                    if (surface.nonFinite > 0 || surface.numbers == 0) {
                        return std::to_string(angle) + "/" + std::to_string(index) + "/" +
                               std::to_string(waves) + "/" + std::to_string(time);
                    }
                }
            }
        }
    }
    return "";
}

std::vector<int> Range(int first, int last, int step = 1) {
    std::vector<int> values;
    for (int v = first; v <= last; v += step) {
        values.push_back(v);
    }
    return values;
}

TEST(FiniteSweep, NoBarValuesHandTheSurfaceANumberThatIsNotFinite) {
    EXPECT_EQ(
        FirstNonFinite(Range(0, 89), {50, 51, 67, 99, 100, 101, 150, 300}, {5, 6, 17, 39}, 37, 0),
        "");
    // The critical flag set, at the critical pair and left stale elsewhere.
    EXPECT_EQ(FirstNonFinite({0, 29, 30, 31, 60, 89}, Range(50, 300, 3), {10}, 13, -1), "");
    EXPECT_EQ(FirstNonFinite({30}, {50}, Range(5, 39), 7, -1), "");
}

}  // namespace
}  // namespace orvath
