// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mystery.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "model/bar_settings.h"
#include "model/number_format.h"
#include "text/translate.h"

namespace orvath {
namespace {

constexpr int kLowest = 60;
constexpr int kHighest = 250;
constexpr int kStraightLow = 95;
constexpr int kStraightHigh = 105;

// SplitMix64: the same numbers on every machine and in the browser.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27U)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31U);
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == text.npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// A decimal such as "1.47", ".9", "2" or "1,47": digits with at most one
// separator, nothing else.
bool ReadDecimal(const std::string& text, double& value) {
    double whole = 0;
    double scale = 0;
    bool digits = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
            if (scale == 0) {
                whole = whole * 10 + (c - '0');
            } else {
                scale /= 10;
                whole += (c - '0') * scale;
            }
            if (whole > 1e6) {
                return false;
            }
        } else if ((c == '.' || c == ',') && scale == 0) {
            scale = 1;
        } else {
            return false;
        }
    }
    value = whole;
    return digits;
}

}  // namespace

int MysteryIndex(int seed) {
    const int choices = (kHighest - kLowest + 1) - (kStraightHigh - kStraightLow + 1);
    int index = kLowest + static_cast<int>(Mix(static_cast<std::uint64_t>(seed)) %
                                           static_cast<std::uint64_t>(choices));
    if (index >= kStraightLow) {
        index += kStraightHigh - kStraightLow + 1;
    }
    return index;
}

int NewMysterySeed() {
    std::random_device device;
    std::uniform_int_distribution<int> seeds(kMysterySeedMin, kMysterySeedMax);
    return seeds(device);
}

GuessVerdict JudgeGuess(std::string_view typed, int hiddenIndexTimes100) {
    const std::string text = Trimmed(typed);
    GuessVerdict verdict;
    if (text.empty()) {
        return verdict;
    }
    if (!ReadDecimal(text, verdict.value)) {
        verdict.kind = GuessVerdict::Kind::NotANumber;
        return verdict;
    }
    const BarSetting& bar = SettingOf(Bar::Index);
    if (verdict.value < bar.min / 100.0 || verdict.value > bar.max / 100.0) {
        verdict.kind = GuessVerdict::Kind::OutOfRange;
        return verdict;
    }
    const double hidden = hiddenIndexTimes100 / 100.0;
    verdict.offPercent = std::abs(verdict.value - hidden) / hidden * 100;
    // Typed decimals are not exact in binary: 1.53 against 1.50 is 2 %.
    verdict.kind = verdict.offPercent <= kFoundWithinPercent + 1e-9 ? GuessVerdict::Kind::Found
                                                                    : GuessVerdict::Kind::Off;
    return verdict;
}

std::string GuessMessage(const GuessVerdict& verdict, std::string_view decimalPoint) {
    const BarSetting& bar = SettingOf(Bar::Index);
    const std::string example = FormatFixed(1.5, 2, decimalPoint);
    switch (verdict.kind) {
        case GuessVerdict::Kind::Found:
            return TrFormat("%1 is within 2 % of the hidden index: found.",
                            {FormatFixed(verdict.value, 2, decimalPoint)});
        case GuessVerdict::Kind::Off:
            return TrFormat("%1 is %2 % off the hidden index: measure again.",
                            {FormatFixed(verdict.value, 2, decimalPoint),
                             FormatFixed(verdict.offPercent, 0, decimalPoint)});
        case GuessVerdict::Kind::Empty:
            return TrFormat("Type the index you measured, such as %1.", {example});
        case GuessVerdict::Kind::NotANumber:
            return TrFormat("That is not a number: type the index you measured, such as %1.",
                            {example});
        case GuessVerdict::Kind::OutOfRange:
            return TrFormat("The index lies between %1 and %2.",
                            {FormatFixed(bar.min / 100.0, 2, decimalPoint),
                             FormatFixed(bar.max / 100.0, 2, decimalPoint)});
    }
    return {};
}

std::string RevealMessage(int indexTimes100, std::string_view decimalPoint) {
    return TrFormat("The hidden index was %1.",
                    {FormatFixed(indexTimes100 / 100.0, 2, decimalPoint)});
}

std::string_view VerdictWord(GuessVerdict::Kind kind) {
    switch (kind) {
        case GuessVerdict::Kind::Found:
            return "found";
        case GuessVerdict::Kind::Off:
            return "off";
        case GuessVerdict::Kind::Empty:
            return "empty";
        case GuessVerdict::Kind::NotANumber:
            return "not-a-number";
        case GuessVerdict::Kind::OutOfRange:
            return "out-of-range";
    }
    return {};
}

}  // namespace orvath
