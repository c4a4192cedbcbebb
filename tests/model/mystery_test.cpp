// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/info_text.h"
#include "model/media.h"
#include "model/mystery.h"
#include "model/number_format.h"
#include "model/refraction_facts.h"
#include "support/scenes.h"

namespace orvath {
namespace {

TEST(Mystery, EverySeedHidesAnIndexThatBendsTheRaysWithinTheBar) {
    std::set<int> drawn;
    for (int seed = kMysterySeedMin; seed <= kMysterySeedMax; seed += 7) {
        const int index = MysteryIndex(seed);
        ASSERT_GE(index, 60) << seed;
        ASSERT_LE(index, 250) << seed;
        ASSERT_TRUE(index < 95 || index > 105) << seed << " hides " << index;
        drawn.insert(index);
    }
    // Seeds next to each other give unrelated media, and every value comes up.
    EXPECT_EQ(drawn.size(), 250u - 60u + 1u - 11u);
    EXPECT_NE(MysteryIndex(1), MysteryIndex(2));
    EXPECT_EQ(MysteryIndex(424242), MysteryIndex(424242));
}

TEST(Mystery, JudgesTypedAnswers) {
    using Kind = GuessVerdict::Kind;
    struct Case {
        const char* typed;
        Kind kind;
    };
    // Hidden 1.50: 2 % either way is found, a hair more is not.
    const Case cases[] = {
        {"1.50", Kind::Found},
        {" 1,53 ", Kind::Found},
        {"1.47", Kind::Found},
        {"1.5301", Kind::Off},
        {"1.4699", Kind::Off},
        {"2", Kind::Off},
        {".9", Kind::Off},
        {"", Kind::Empty},
        {" \t", Kind::Empty},
        {"abc", Kind::NotANumber},
        {"1.4.7", Kind::NotANumber},
        {"-1.5", Kind::NotANumber},
        {"1e2", Kind::NotANumber},
        {".", Kind::NotANumber},
        {"0.49", Kind::OutOfRange},
        {"3.01", Kind::OutOfRange},
        {"99999999999", Kind::NotANumber},
    };
    for (const Case& c : cases) {
        const GuessVerdict verdict = JudgeGuess(c.typed, 150);
        EXPECT_EQ(verdict.kind, c.kind) << '"' << c.typed << '"';
        EXPECT_FALSE(GuessMessage(verdict).empty());
    }
    EXPECT_EQ(GuessMessage(JudgeGuess("1.47", 150), ","),
              "1,47 is within 2 % of the hidden index: found.");
    EXPECT_EQ(GuessMessage(JudgeGuess("1.2", 150)),
              "1.20 is 20 % off the hidden index: measure again.");
}

TEST(Mystery, HiddenFactsTellNothingOfTheIndex) {
    // For pairs of media and plain indices, above and beyond the critical
    // angle: no value that gives the index away is left in the texts.
    for (const int index : {133, 147, 62, 240}) {
        for (const int angle : {0, 20, 60}) {
            RefractionFacts facts = ComputeRefractionFacts(
                testing::FormScene(testing::Bars(angle, index, 10, 0), 1920, 1080));
            facts.indexHidden = true;
            std::string text;
            for (const std::string& line : InfoOverlayLines(facts, View::Exact, ".")) {
                text += line + '\n';
            }
            text += AngleBarDescription(facts, ".");
            const std::string told[] = {FormatFixed(index / 100.0, 2), FormatFixed(facts.speed2, 2),
                                        FormatFixed(facts.wavelength2, 2)};
            for (const std::string& value : told) {
                EXPECT_EQ(text.find(value), std::string::npos) << value << " in\n" << text;
            }
            if (facts.refractionDeg && angle > 0) {
                EXPECT_EQ(text.find(FormatFixed(*facts.refractionDeg, 1)), std::string::npos)
                    << text;
            }
            if (const auto pair = MediaPresetAt(index)) {
                EXPECT_EQ(text.find(pair->Name()), std::string::npos) << text;
            }
        }
    }
}

}  // namespace
}  // namespace orvath
