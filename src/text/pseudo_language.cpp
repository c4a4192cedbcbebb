// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/pseudo_language.h"

#include <array>
#include <cctype>

namespace orvath::text {
namespace {

// An accented twin for each letter a to z and A to Z (Latin-1 and Latin
// Extended-A, which the picture's faces have).
constexpr std::array<std::string_view, 26> kLower = {"á", "b", "ç", "ď", "é", "ƒ", "ĝ", "ĥ", "í",
                                                     "ĵ", "ķ", "ĺ", "m", "ñ", "ö", "þ", "q", "ŕ",
                                                     "š", "ţ", "ü", "v", "ŵ", "x", "ý", "ž"};
constexpr std::array<std::string_view, 26> kUpper = {"Å", "B", "Ç", "Ď", "É", "F", "Ĝ", "Ĥ", "Î",
                                                     "Ĵ", "Ķ", "Ĺ", "M", "Ñ", "Ö", "Þ", "Q", "Ŕ",
                                                     "Š", "Ţ", "Û", "V", "Ŵ", "X", "Ý", "Ž"};
constexpr std::string_view kFiller = "ŀő";
// Each text grows by this share of its characters.
constexpr double kGrowth = 0.4;

bool Continues(char c) {
    return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

}  // namespace

std::string LongPseudoText(std::string_view original) {
    if (original.empty()) {
        return {};
    }
    std::string text = "[";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < original.size(); ++i) {
        const char c = original[i];
        characters += Continues(c) ? 0 : 1;
        if (c == '%' && i + 1 < original.size() &&
            std::isdigit(static_cast<unsigned char>(original[i + 1]))) {
            text += original.substr(i, 2);
            ++characters;
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            text += kLower.at(static_cast<std::size_t>(c - 'a'));
        } else if (c >= 'A' && c <= 'Z') {
            text += kUpper.at(static_cast<std::size_t>(c - 'A'));
        } else {
            text += c;
        }
    }
    // The brackets count towards the growth.
    const auto extra = static_cast<std::size_t>(kGrowth * static_cast<double>(characters) + 0.999);
    for (std::size_t k = 2; k < extra; ++k) {
        text += k % 5 == 4 ? std::string_view(" ") : kFiller.substr(2 * (k % 2), 2);
    }
    return text + "]";
}

}  // namespace orvath::text
