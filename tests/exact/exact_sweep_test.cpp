// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "exact/exact_view.h"
#include "support/exact_checker.h"

namespace orvath::exact {
namespace {

// Every angle, with indices either side of n = 1 and of the critical angles,
// at times before, during and long after the construction, in narrow, wide
// and very wide frames, with and without the reflected wave.
TEST(ExactSweep, EveryPictureFollowsSnellsLawAndItsHitTimes) {
    std::string faults;
    int faulty = 0;
    DisplayList list;
    for (const Picture picture : {Picture::Wavelets, Picture::Continuous}) {
        for (int angle = 0; angle <= 89; ++angle) {
            for (const int index : {50, 67, 100, 150, 300}) {
                for (const int waves : {5, 10, 39}) {
                    for (const int time :
                         {0, 7, 13, 40, 77, 150, 300, 600, 1000, 1700, 2575, 3000, 4100, 5000}) {
                        for (const float aspect : {0.3f, 16.0f / 9, 4.0f}) {
                            ExactInputs in{picture, angle, index, waves, time, -200 * aspect};
                            in.reflection = (angle + time + waves) % 2 == 0;
                            list.Cls();
                            DrawExactPicture(in, list);
                            const auto found = testing::CheckExactPicture(in, list);
                            if (!found.empty() && ++faulty <= 10) {
                                faults += (picture == Picture::Wavelets ? "wavelets " : "beam ") +
                                          std::to_string(angle) + "° n " + std::to_string(index) +
                                          " waves " + std::to_string(waves) + " time " +
                                          std::to_string(time) + " aspect " +
                                          std::to_string(aspect) + ": " + found.front() + "\n";
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
