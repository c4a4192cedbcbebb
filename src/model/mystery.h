// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvath {

// A challenge: medium 2 has an index the picture does not tell, drawn from a
// seed, so that a whole class given the same seed measures the same medium.
inline constexpr int kMysterySeedMin = 1;
inline constexpr int kMysterySeedMax = 999999;

// The hidden index, in hundredths: one of the index bar's values between
// 0.60 and 2.50, never one that barely bends the rays (0.95 to 1.05).
int MysteryIndex(int seed);

// A new seed, from the machine's source of randomness.
int NewMysterySeed();

// What a typed answer is worth: found within 2 % of the hidden index, off by
// more, or no answer at all.
struct GuessVerdict {
    enum class Kind { Found, Off, Empty, NotANumber, OutOfRange };
    Kind kind = Kind::Empty;
    double value = 0;       // the number read (Found and Off)
    double offPercent = 0;  // how far from the hidden index, in per cent
};

inline constexpr double kFoundWithinPercent = 2;

// Reads "1.47" (or "1,47") and compares it with the hidden index.
GuessVerdict JudgeGuess(std::string_view typed, int hiddenIndexTimes100);

// The sentence a student reads, such as "1.47 is within 2 % of the hidden
// index: found." (with the decimal point given).
std::string GuessMessage(const GuessVerdict& verdict, std::string_view decimalPoint = ".");

// What is said once the index is shown: "The hidden index was 1.47."
std::string RevealMessage(int indexTimes100, std::string_view decimalPoint = ".");

// The word the trace prints for a verdict: found, off, empty, not-a-number
// or out-of-range.
std::string_view VerdictWord(GuessVerdict::Kind kind);

// What the picture and its texts show in place of the hidden index.
inline constexpr std::string_view kHiddenValue = "?";

}  // namespace orvath
