// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "text/languages.h"
#include "text/mo_catalogue.h"

namespace orvath {
namespace {

TEST(Languages, CodesAndLocaleNamesFindTheirLanguage) {
    const std::map<std::string, std::optional<std::string_view>> cases = {
        {"de", "de"},         {"de_AT.UTF-8", "de"},   {"el_GR@euro", "el"},
        {"pt-br", "pt_BR"},   {"pt_PT", "pt_BR"},      {"zh_CN.UTF-8", "zh_CN"},
        {"zh-Hans", "zh_CN"}, {"zh_TW", std::nullopt}, {"tr_TR", "tr"},
        {"C", "en"},          {"POSIX", "en"},         {"en_GB.UTF-8", "en"},
        {"x-long", "x-long"}, {"xx", std::nullopt},    {"", std::nullopt},
    };
    for (const auto& [requested, expected] : cases) {
        EXPECT_EQ(MatchLanguage(requested), expected) << requested;
    }
}

TEST(Languages, TheEnvironmentIsReadAsGettextReadsIt) {
    using Environment = std::map<std::string, std::string>;
    const std::vector<std::pair<Environment, std::string_view>> cases = {
        {{}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "el_GR.UTF-8"}}, "el"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:it:de"}}, "it"},
        {{{"LANG", "C"}, {"LANGUAGE", "it"}}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "en:de"}}, "en"},
    };
    for (const auto& [set, expected] : cases) {
        const auto& environment = set;
        const auto variable = [&environment](const char* name) -> const char* {
            const auto it = environment.find(name);
            return it == environment.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(LanguageFromEnvironment(variable), expected) << environment.size();
    }
}

TEST(Languages, TheReaderRefusesWhatIsNoCatalogue) {
    const std::vector<unsigned char> empty;
    const std::vector<unsigned char> text(40, 'a');
    // A valid header whose one entry points past the end.
    const std::vector<unsigned char> outside = {
        0xde, 0x12, 0x04, 0x95, 0, 0, 0, 0, 1, 0, 0,    0, 28, 0, 0, 0, 36, 0, 0,  0, 0, 0,
        0,    0,    0,    0,    0, 0, 5, 0, 0, 0, 0xff, 0, 0,  0, 1, 0, 0,  0, 44, 0, 0, 0};
    for (const std::vector<unsigned char>* bytes : {&empty, &text, &outside}) {
        EXPECT_FALSE(text::MoCatalogue::Read(*bytes)) << bytes->size();
    }
}

}  // namespace
}  // namespace orvath
