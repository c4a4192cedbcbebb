// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "template_texts.h"
#include "text/catalogues.h"
#include "text/languages.h"
#include "text/translate.h"

namespace orvath {
namespace {

// The placeholders (%1 ...) and the numbers ("0.50", "89", the 1 of "θ1")
// of a text, sorted: a translation must keep all of them as they are.
std::vector<std::string> Fixed(std::string_view text) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto digit = [&](std::size_t k) {
            return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
        };
        if (text[i] == '%' && digit(i + 1)) {
            parts.push_back(std::string(text.substr(i, 2)));
            ++i;
        } else if (digit(i)) {
            std::size_t end = i;
            while (digit(end) || (text[end] == '.' && digit(end + 1))) {
                ++end;
            }
            parts.push_back("#" + std::string(text.substr(i, end - i)));
            i = end - 1;
        }
    }
    std::sort(parts.begin(), parts.end());
    return parts;
}

std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

TEST(Translations, EveryShippedLanguageHasEveryTextWithItsPlaceholdersAndNumbers) {
    const std::vector<std::string> originals = testing::TemplateTexts(ORVATH_TEMPLATE);
    ASSERT_GT(originals.size(), 100U);
    ASSERT_GE(ShippedLanguages().size(), 8U);
    for (const std::string_view code : ShippedLanguages()) {
        const text::MoCatalogue* catalogue = text::CatalogueOf(code);
        ASSERT_NE(catalogue, nullptr) << code;
        EXPECT_NE(LanguageName(code), "English") << code;
        for (const std::string& original : originals) {
            const auto translation = catalogue->Find(original);
            if (!translation) {
                ADD_FAILURE() << code << " lacks \"" << original << '"';
                continue;
            }
            EXPECT_EQ(Fixed(*translation), Fixed(original))
                << code << ": \"" << original << "\" as \"" << *translation << '"';
        }
    }
}

TEST(Translations, TheLongPseudoLanguageKeepsPlaceholdersAndIsFortyPercentLonger) {
    for (const std::string& original : testing::TemplateTexts(ORVATH_TEMPLATE)) {
        const std::string_view longer = TrIn(kLongPseudoLanguage, original);
        EXPECT_EQ(Fixed(longer), Fixed(original)) << original;
        EXPECT_GE(Characters(longer) * 10, Characters(original) * 14) << original;
    }
}

TEST(Translations, FormatsPutTheValuesWhereTheLanguageWantsThem) {
    SetLanguage("de");
    EXPECT_EQ(TrFormat("ANGLE OF INCIDENCE= %1", {"25"}), "EINFALLSWINKEL= 25");
    SetLanguage(kOriginalLanguage);
    EXPECT_EQ(TrFormat("medium 2: %1, n = %2", {"water", "1.33"}), "medium 2: water, n = 1.33");
    EXPECT_EQ(TrFormat("%1 to %2", {"%2", "x"}), "%2 to x");
    EXPECT_EQ(Tr("a text without a translation"), "a text without a translation");
}

}  // namespace
}  // namespace orvath
