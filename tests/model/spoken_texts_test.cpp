// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/action_texts.h"
#include "model/refraction_facts.h"
#include "model/spoken_texts.h"
#include "support/scenes.h"

namespace orvath {
namespace {

// What a screen reader hears follows the caption's numbers, in the reader's
// decimal separator, and the picture's critical-angle verdict.
TEST(SpokenTexts, SayTheBarsAndTheWaveInTheCaptionsTerms) {
    struct Case {
        int angle, index, waves, time;
        const char* point;
        const char* angleText;
        const char* indexText;
        const char* timeText;
        const char* wavesText;
        const char* announcement;
    };
    const Case cases[] = {
        {25, 50, 10, 2000, ".", "25 degrees", "relative index 0.50", "time 20.00", "10 waves",
         "Less than critical. Angle of incidence 25 degrees. The wave is refracted at 57.7 "
         "degrees. Critical angle 30.0 degrees."},
        {40, 150, 39, 1505, ",", "40 degrees", "relative index 1,50", "time 15,05", "39 waves",
         "Less than critical. Angle of incidence 40 degrees. The wave is refracted at 25,4 "
         "degrees. No critical angle."},
        {30, 50, 5, 0, ".", "30 degrees", "relative index 0.50", "time 0.00", "5 waves",
         "Critical. Angle of incidence 30 degrees. The wave is refracted at 90.0 degrees. "
         "Critical angle 30.0 degrees."},
        {89, 99, 10, 5000, ".", "89 degrees", "relative index 0.99", "time 50.00", "10 waves",
         "Greater than critical. Angle of incidence 89 degrees. The wave is totally reflected. "
         "Critical angle 81.9 degrees."},
    };
    for (const Case& c : cases) {
        const Scene scene =
            testing::FormScene(testing::Bars(c.angle, c.index, c.waves, c.time), 1920, 1080);
        const RefractionFacts facts = ComputeRefractionFacts(scene);
        EXPECT_EQ(BarValueText(Bar::Angle, c.waves, facts, c.point), c.angleText);
        EXPECT_EQ(BarValueText(Bar::Index, c.waves, facts, c.point), c.indexText);
        EXPECT_EQ(BarValueText(Bar::Time, c.waves, facts, c.point), c.timeText);
        EXPECT_EQ(BarValueText(Bar::Waves, c.waves, facts, c.point), c.wavesText);
        EXPECT_EQ(RefractionAnnouncement(facts, scene.verdict, c.point), c.announcement);
        const std::string summary =
            PictureSummary(DisplayMode::Wavelets, View::Exact, false, facts, c.point);
        EXPECT_TRUE(summary.starts_with("The wavelet picture, exact view")) << summary;
        // The picture's description ends with what the angle bar says.
        const std::string_view said = c.announcement;
        EXPECT_TRUE(summary.ends_with(said.substr(said.find(". ") + 2))) << summary;
    }
    // A mystery medium's index is not told.
    RefractionFacts hidden =
        ComputeRefractionFacts(testing::FormScene(testing::Bars(25, 133, 10, 0), 1920, 1080));
    hidden.indexHidden = true;
    EXPECT_EQ(BarValueText(Bar::Index, 10, hidden, "."), "relative index ?");
    EXPECT_EQ(MediaPairText(*MediaPairNamed("glass-air"), ","), "Glass to air (0,67)");
}

}  // namespace
}  // namespace orvath
