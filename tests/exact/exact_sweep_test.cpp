// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "exact/exact_view.h"
#include "support/exact_checker.h"

namespace orvath::exact {
namespace {

ExactInputs Inputs(Picture picture, int angle, int index, int waves, int time, double aspect,
                   bool reflection) {
    ExactInputs in;
    in.picture = picture;
    in.angleDeg = angle;
    in.indexTimes100 = index;
    in.waves = waves;
    in.timeBar = time;
    in.xLeft = static_cast<float>(-200 * aspect);
    in.reflection = reflection;
    return in;
}

std::string Describe(const ExactInputs& in) {
    return std::string(in.picture == Picture::Wavelets ? "wavelets" : "continuous") + " angle " +
           std::to_string(in.angleDeg) + " index " + std::to_string(in.indexTimes100) + " waves " +
           std::to_string(in.waves) + " time " + std::to_string(in.timeBar) + " xLeft " +
           std::to_string(in.xLeft) + (in.reflection ? " reflection" : "");
}

// Every angle with indices either side of n = 1 and of the critical angles,
// at times before, during and long after the construction, in narrow, wide
// and very wide frames.
TEST(ExactSweep, EveryPictureFollowsSnellsLawAndItsHitTimes) {
    std::string faults;
    int faulty = 0;
    DisplayList list;
    for (const Picture picture : {Picture::Wavelets, Picture::Continuous}) {
        for (int angle = 0; angle <= 89; ++angle) {
            for (const int index : {50, 67, 100, 150, 300}) {
                for (const int waves : {5, 10, 39}) {
                    for (const int time : {0, 7, 40, 150, 300, 1000, 2575, 3000, 5000}) {
                        for (const double aspect : {0.3, 16.0 / 9, 4.0}) {
                            const auto in = Inputs(picture, angle, index, waves, time, aspect,
                                                   (angle + time) % 2 == 0);
                            list.Cls();
                            DrawExactPicture(in, list);
                            const auto found = testing::CheckExactPicture(in, list);
                            if (!found.empty() && ++faulty <= 10) {
                                faults += Describe(in) + ": " + found.front() + "\n";
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
