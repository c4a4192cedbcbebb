// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "exact/exact_view.h"
#include "support/exact_checker.h"
#include "support/scenes.h"

namespace orvath::exact {
namespace {

// Every angle, with indices either side of n = 1 and of the critical angles,
// at times before, during and long after the construction, in narrow, wide
// and very wide frames, with and without the reflected wave.
TEST(ExactSweep, EveryPictureFollowsSnellsLawAndItsHitTimes) {
    std::string faults;
    int faulty = 0;
    DisplayList list;
    for (const DisplayMode picture : {DisplayMode::Wavelets, DisplayMode::Continuous}) {
        for (int angle = 0; angle <= 89; ++angle) {
            for (const int index : {50, 67, 100, 150, 300}) {
                for (const int waves : {5, 10, 39}) {
                    for (const int time :
                         {0, 7, 13, 40, 77, 150, 300, 600, 1000, 1700, 2575, 3000, 4100, 5000}) {
                        for (const int width : {300, 1920, 4000}) {
                            const Scene scene = testing::FormScene(
                                testing::Bars(angle, index, waves, time), width, 1000);
                            const ExactChoices choices{picture, (angle + time + waves) % 2 == 0};
                            list.Cls();
                            DrawExactPicture(scene, choices, list);
                            const auto found = testing::CheckExactPicture(scene, choices, list);
                            if (!found.empty() && ++faulty <= 10) {
                                faults += (picture == DisplayMode::Wavelets ? "wavelets " : "beam ") +
                                          std::to_string(angle) + "° n " + std::to_string(index) +
                                          " waves " + std::to_string(waves) + " time " +
                                          std::to_string(time) + " width " +
                                          std::to_string(width) + ": " + found.front() + "\n";
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(faulty, 0) << faults;
}

}  // namespace
}  // namespace orvath::exact
