// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/captions.h"
#include "model/critical_angle.h"
#include "model/simulation_state.h"

namespace orvath {
namespace {

TEST(Captions, EachLabelHasItsOwnWording) {
    EXPECT_EQ(AngleCaption(25), "ANGLE OF INCIDENCE= 25");
    EXPECT_EQ(WavesCaption(10), "# WAVES = 10");
    EXPECT_EQ(IndexCaption(50), "c2=  C1/0.50");
    EXPECT_EQ(IndexCaption(150), "c2=  C1/1.50");
    EXPECT_EQ(StartupTimeCaption(2000), "TIME =20.00");
    EXPECT_EQ(TimeBarCaption(2000, 6), "TIME = 120.00* T");
    EXPECT_EQ(TimeBarCaption(7, 6), "TIME = 0.42* T");
    EXPECT_EQ(TimeBarCaption(0, 6), "TIME = 0.00* T");
    EXPECT_EQ(WaveletTimeCaption(5000), "TIME= 50.00 * T");
}

// Values whose nearest double lies just below the printed decimals: rounding
// and truncating differ there.
TEST(Captions, RoundToTwoDecimals) {
    EXPECT_EQ(WaveletTimeCaption(29), "TIME= 0.29 * T");
    EXPECT_EQ(StartupTimeCaption(29), "TIME =0.29");
    EXPECT_EQ(TimeBarCaption(29, 6), "TIME = 1.74* T");
    EXPECT_EQ(IndexCaption(57), "c2=  C1/0.57");
    EXPECT_EQ(IndexCaption(300), "c2=  C1/3.00");
}

CriticalVerdict Verdict(int angle, int index) {
    return TestCriticalAngle(ComputePi(), static_cast<std::int16_t>(angle),
                             SpeedInMedium2(5, static_cast<std::int16_t>(index)), 5);
}

TEST(CriticalAngle, OnlyThirtyDegreesAtIndexFiftyIsCritical) {
    EXPECT_EQ(Verdict(29, 50), CriticalVerdict::Less);
    EXPECT_EQ(Verdict(30, 50), CriticalVerdict::Critical);
    EXPECT_EQ(Verdict(31, 50), CriticalVerdict::Greater);
    EXPECT_EQ(Verdict(0, 50), CriticalVerdict::Less);
    EXPECT_EQ(Verdict(89, 100), CriticalVerdict::Less);
    int critical = 0;
    for (int angle = 0; angle <= 89; ++angle) {
        for (int index = 50; index <= 300; ++index) {
            critical += Verdict(angle, index) == CriticalVerdict::Critical;
        }
    }
    EXPECT_EQ(critical, 1);
}

TEST(CriticalAngle, Messages) {
    EXPECT_EQ(CriticalMessage(CriticalVerdict::Less), "LESS THAN CRITICAL");
    EXPECT_EQ(CriticalMessage(CriticalVerdict::Critical), "CRITICAL");
    EXPECT_EQ(CriticalMessage(CriticalVerdict::Greater), "GREATER THAN CRITICAL");
}

}  // namespace
}  // namespace orvath
