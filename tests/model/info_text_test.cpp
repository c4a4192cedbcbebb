// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/bar_settings.h"
#include "model/info_text.h"
#include "model/media.h"
#include "model/refraction_facts.h"
#include "model/world_frame.h"
#include "support/scenes.h"

namespace orvath {
namespace {

// The facts for a started program whose bars were moved to these values.
RefractionFacts FactsFor(int angle, int index, int time = 2000) {
    return ComputeRefractionFacts(
        testing::FormScene(testing::Bars(angle, index, 10, time), 1920, 1080));
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + '\n';
    }
    return text;
}

TEST(RefractionFacts, FasterSecondMediumRefractsAwayFromTheNormal) {
    // n = 0.5: sin(r) = sin(25) / 0.5 = 0.8452, r = 57.69; critical asin(0.5) = 30.
    const RefractionFacts facts = FactsFor(25, 50);
    EXPECT_DOUBLE_EQ(facts.index, 0.5);
    EXPECT_DOUBLE_EQ(facts.speed1, 5);
    EXPECT_DOUBLE_EQ(facts.speed2, 10);
    EXPECT_DOUBLE_EQ(facts.wavelength1, 30);
    EXPECT_DOUBLE_EQ(facts.wavelength2, 60);
    ASSERT_TRUE(facts.refractionDeg);
    EXPECT_NEAR(*facts.refractionDeg, 57.69, 0.01);
    ASSERT_TRUE(facts.criticalDeg);
    EXPECT_NEAR(*facts.criticalDeg, 30, 1e-9);
    // 20 time units with a period of 30 / 5 = 6.
    EXPECT_DOUBLE_EQ(facts.time, 20);
    EXPECT_NEAR(facts.periods, 20.0 / 6, 1e-12);
}

TEST(RefractionFacts, SlowerSecondMediumHasNoCriticalAngle) {
    // n = 1.5: sin(r) = sin(60) / 1.5 = 0.5774, r = 35.26; wavelength 30 / 1.5.
    const RefractionFacts facts = FactsFor(60, 150);
    ASSERT_TRUE(facts.refractionDeg);
    EXPECT_NEAR(*facts.refractionDeg, 35.26, 0.01);
    EXPECT_FALSE(facts.criticalDeg);
    EXPECT_DOUBLE_EQ(facts.wavelength2, 20);
}

TEST(RefractionFacts, BeyondTheCriticalAngleTheWaveIsTotallyReflected) {
    EXPECT_FALSE(FactsFor(31, 50).refractionDeg);
    EXPECT_FALSE(FactsFor(89, 99).refractionDeg);
    EXPECT_TRUE(FactsFor(29, 50).refractionDeg);
    // Equal media: no critical angle, no bending.
    const RefractionFacts equal = FactsFor(45, 100);
    EXPECT_FALSE(equal.criticalDeg);
    ASSERT_TRUE(equal.refractionDeg);
    EXPECT_NEAR(*equal.refractionDeg, 45, 1e-9);
}

TEST(RefractionFacts, AtTheCriticalAngleTheRefractedWaveRunsAlongTheBoundary) {
    // sin(30) / 0.5 is 1 within the picture's tolerance: its message says
    // "CRITICAL", and the facts agree.
    const RefractionFacts facts = FactsFor(30, 50);
    ASSERT_TRUE(facts.refractionDeg);
    EXPECT_DOUBLE_EQ(*facts.refractionDeg, 90);
}

TEST(InfoOverlayText, StatesTheDesignPicture) {
    const auto lines = InfoOverlayLines(FactsFor(25, 50), View::Classic, ".");
    EXPECT_TRUE(HasLine(lines, "Relative refractive index n = c1 / c2 = 0.50")) << Joined(lines);
    EXPECT_TRUE(HasLine(lines, "Speed: c1 = 5.00 above, c2 = 10.00 below")) << Joined(lines);
    EXPECT_TRUE(HasLine(
        lines, "Wavelength in the ruler's units: \u03bb1 = 30.00 above, \u03bb2 = 60.00 below"))
        << Joined(lines);
    EXPECT_TRUE(HasLine(lines, "Angle of incidence: 25\u00b0")) << Joined(lines);
    EXPECT_NE(Joined(lines).find("Angle of refraction: 57.7\u00b0"), std::string::npos)
        << Joined(lines);
    EXPECT_TRUE(HasLine(lines, "Critical angle: 30.0\u00b0")) << Joined(lines);
    EXPECT_TRUE(HasLine(lines, "Time: 20.00 = 3.33 periods")) << Joined(lines);
}

TEST(InfoOverlayText, SaysWhenTheWaveIsTotallyReflected) {
    const std::string text = Joined(InfoOverlayLines(FactsFor(40, 50), View::Classic, "."));
    EXPECT_NE(text.find("Total internal reflection"), std::string::npos) << text;
    EXPECT_EQ(text.find("Angle of refraction"), std::string::npos) << text;
}

TEST(InfoOverlayText, SaysWhenThereIsNoCriticalAngle) {
    const std::string text = Joined(InfoOverlayLines(FactsFor(60, 150), View::Classic, "."));
    EXPECT_NE(text.find("No critical angle"), std::string::npos) << text;
    EXPECT_NE(text.find("Angle of refraction: 35.3\u00b0"), std::string::npos) << text;
}

TEST(InfoOverlayText, ListsEveryShortcutAndTheViewShown) {
    const std::string classic = Joined(InfoOverlayLines(FactsFor(25, 50), View::Classic, "."));
    for (const char* key :
         {"Tab", "Page Up/Down", "Space", "Ctrl+R", "Ctrl+S", "Ctrl+C", "F1", "E:", "R:", "- / +",
          ". / ,", "Shift", "1-7:", "T:", "Shift+F10", "Ctrl+Shift+S", "Ctrl+0"}) {
        EXPECT_NE(classic.find(key), std::string::npos) << key;
    }
    EXPECT_NE(classic.find("Classic view"), std::string::npos) << classic;
    const std::string exact = Joined(InfoOverlayLines(FactsFor(25, 50), View::Exact, "."));
    EXPECT_NE(
        exact.find("Exact view: incident rays red, refracted rays blue, reflected rays green"),
        std::string::npos)
        << exact;
    EXPECT_EQ(PictureDescription(DisplayMode::Continuous, View::Classic, true),
              "The continuous picture, classic view.");
    EXPECT_NE(PictureDescription(DisplayMode::Wavelets, View::Exact, true)
                  .find("reflected wave is shown"),
              std::string::npos);
}

TEST(InfoOverlayText, UsesTheGivenDecimalSeparator) {
    const auto lines = InfoOverlayLines(FactsFor(25, 50, 1500), View::Classic, ",");
    EXPECT_TRUE(HasLine(lines, "Relative refractive index n = c1 / c2 = 0,50")) << Joined(lines);
    EXPECT_TRUE(HasLine(lines, "Time: 15,00 = 2,50 periods")) << Joined(lines);
    EXPECT_TRUE(HasLine(lines, "Critical angle: 30,0\u00b0")) << Joined(lines);
}

// The presets are the known pairs the index bar can take, found by word and
// by index and named in the box; a pair outside the bar is no preset, and the
// box says why whatever the index.
TEST(MediaPairs, ThePresetsAreTheKnownPairsTheIndexBarCanTake) {
    std::vector<std::string> presets;
    for (const MediaPair& pair : MediaPresets()) {
        presets.push_back(pair.Word() + " " + std::to_string(pair.indexTimes100));
        EXPECT_EQ(ClampToRange(Bar::Index, pair.indexTimes100), pair.indexTimes100);
        EXPECT_EQ(MediaPairNamed(pair.Word())->indexTimes100, pair.indexTimes100);
        EXPECT_EQ(MediaPresetAt(pair.indexTimes100)->Word(), pair.Word());
        const auto lines = InfoOverlayLines(FactsFor(25, pair.indexTimes100), View::Classic, ".");
        EXPECT_TRUE(HasLine(lines, "Media: " + pair.Name()));
    }
    EXPECT_EQ(presets, (std::vector<std::string>{
                           "air-water 133", "air-glass 150", "air-diamond 242", "water-glass 113",
                           "water-air 75", "glass-water 89", "glass-air 67"}));
    const auto diamondToAir = MediaPairNamed("diamond-air");
    ASSERT_TRUE(diamondToAir);
    EXPECT_FALSE(FitsIndexBar(*diamondToAir) || MediaPresetAt(41) || MediaPairNamed("air-vacuum"));
    for (const int index : {50, 132, 134, 300}) {
        const std::string text = Joined(InfoOverlayLines(FactsFor(25, index), View::Classic, "."));
        EXPECT_EQ(text.find("Media:"), std::string::npos) << index;
        EXPECT_NE(text.find("Diamond to air (n = 0.41) is no preset: the index bar runs from "
                            "0.50 to 3.00."),
                  std::string::npos)
            << index;
    }
}

TEST(AngleBarDescription, StatesBothAnglesAndTheCriticalAngle) {
    EXPECT_EQ(AngleBarDescription(FactsFor(25, 50), "."),
              "Angle of incidence 25 degrees. The wave is refracted at 57.7 degrees. "
              "Critical angle 30.0 degrees.");
    EXPECT_EQ(AngleBarDescription(FactsFor(40, 50), ","),
              "Angle of incidence 40 degrees. The wave is totally reflected. "
              "Critical angle 30,0 degrees.");
    EXPECT_EQ(AngleBarDescription(FactsFor(0, 200), "."),
              "Angle of incidence 0 degrees. The wave is refracted at 0.0 degrees. "
              "No critical angle.");
}

}  // namespace
}  // namespace orvath
