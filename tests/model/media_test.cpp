// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/bar_settings.h"
#include "model/info_text.h"
#include "model/media.h"
#include "model/world_frame.h"

namespace orvath {
namespace {

std::vector<std::string> LinesAt(int index) {
    SimulationState state = StartupState(1920, 1080);
    const BarValues bars{25, static_cast<std::int16_t>(index), 10, 2000};
    state.c2 = SpeedInMedium2(state.c1, bars.index);
    return InfoOverlayLines(ComputeRefractionFacts(state, bars), View::Classic, ".");
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(MediaPairs, ThePresetsAreTheKnownPairsTheIndexBarCanTake) {
    std::vector<std::string> presets;
    for (const MediaPair& pair : MediaPresets()) {
        presets.push_back(pair.Word() + " " + std::to_string(pair.indexTimes100));
        EXPECT_EQ(ClampToRange(Bar::Index, pair.indexTimes100), pair.indexTimes100);
        // Each is found by its word and by its index, and named in the box.
        EXPECT_EQ(MediaPairNamed(pair.Word())->indexTimes100, pair.indexTimes100);
        EXPECT_EQ(MediaPresetAt(pair.indexTimes100)->Word(), pair.Word());
        EXPECT_TRUE(Has(LinesAt(pair.indexTimes100), "Media: " + pair.Name()));
    }
    EXPECT_EQ(presets, (std::vector<std::string>{
                           "air-water 133", "air-glass 150", "air-diamond 242", "water-glass 113",
                           "water-air 75", "glass-water 89", "glass-air 67"}));
}

TEST(MediaPairs, APairOutsideTheBarIsKnownButNoPresetAndTheBoxSaysWhy) {
    const auto diamondToAir = MediaPairNamed("diamond-air");
    ASSERT_TRUE(diamondToAir);
    EXPECT_EQ(diamondToAir->indexTimes100, 41);
    EXPECT_FALSE(FitsIndexBar(*diamondToAir));
    EXPECT_FALSE(MediaPresetAt(41));
    EXPECT_FALSE(MediaPairNamed("air-vacuum"));
    for (const int index : {50, 100, 132, 134, 300}) {
        const auto lines = LinesAt(index);
        EXPECT_FALSE(MediaPresetAt(index)) << index;
        EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const std::string& l) {
            return l.rfind("Media:", 0) == 0;
        })) << index;
        EXPECT_TRUE(Has(lines,
                        "Diamond to air (n = 0.41) is no preset: the index bar runs from 0.50 "
                        "to 3.00."))
            << index;
    }
}

TEST(TimeSteps, OnePeriodIsSixUnitsOfWaveletTimeOrAHundredthOfContinuousTime) {
    EXPECT_EQ(TimeStepsPerPeriod(DisplayMode::Wavelets), 600);
    EXPECT_EQ(TimeStepsPerPeriod(DisplayMode::Continuous), 100);
}

}  // namespace
}  // namespace orvath
