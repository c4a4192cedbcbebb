// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/languages.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "text/catalogues.h"
#include "text/embedded_catalogues.h"
#include "text/translate.h"

namespace orvath {
namespace {

// "de_AT.UTF-8@euro" as "de_at": no encoding nor modifier, '_' between the
// parts, lower case.
std::string Normalised(std::string_view name) {
    name = name.substr(0, std::min(name.find('.'), name.find('@')));
    std::string out;
    for (const char c : name) {
        out += c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string_view LanguagePart(std::string_view name) {
    return name.substr(0, name.find('_'));
}

// Traditional Chinese is not the simplified of zh_CN.
bool TraditionalChinese(std::string_view name) {
    return name == "zh_tw" || name == "zh_hk" || name == "zh_mo" || name.starts_with("zh_hant");
}

}  // namespace

namespace text {

const MoCatalogue* CatalogueOf(std::string_view code) {
    static const auto kCatalogues = [] {
        std::vector<std::pair<std::string_view, std::unique_ptr<MoCatalogue>>> read;
        for (const EmbeddedCatalogue& embedded : EmbeddedCatalogues()) {
            if (auto catalogue = MoCatalogue::Read(embedded.bytes)) {
                read.emplace_back(embedded.code,
                                  std::make_unique<MoCatalogue>(std::move(*catalogue)));
            }
        }
        return read;
    }();
    for (const auto& [own, catalogue] : kCatalogues) {
        if (own == code) {
            return catalogue.get();
        }
    }
    return nullptr;
}

std::string_view& ChosenLanguage() {
    static std::string_view chosen = kOriginalLanguage;
    return chosen;
}

}  // namespace text

const std::vector<std::string_view>& ShippedLanguages() {
    static const auto kCodes = [] {
        std::vector<std::string_view> out;
        for (const text::EmbeddedCatalogue& embedded : text::EmbeddedCatalogues()) {
            out.push_back(embedded.code);
        }
        return out;
    }();
    return kCodes;
}

std::optional<std::string_view> MatchLanguage(std::string_view requested) {
    const std::string name = Normalised(requested);
    if (name == kLongPseudoLanguage || name == "x_long") {
        return kLongPseudoLanguage;
    }
    if (name == "c" || name == "posix" || LanguagePart(name) == kOriginalLanguage) {
        return kOriginalLanguage;
    }
    for (const bool whole : {true, false}) {
        for (const std::string_view code : ShippedLanguages()) {
            const std::string own = Normalised(code);
            if (whole ? own == name
                      : LanguagePart(own) == LanguagePart(name) && !TraditionalChinese(name)) {
                return code;
            }
        }
    }
    return std::nullopt;
}

std::string_view LanguageName(std::string_view code) {
    // TRANSLATORS: the name of your language in itself, as a chooser of
    // languages lists it ("Deutsch", "Ελληνικά").
    return TrIn(code, TrMark("English"));
}

void SetLanguage(std::string_view code) {
    text::ChosenLanguage() = MatchLanguage(code).value_or(kOriginalLanguage);
}

std::string_view CurrentLanguage() {
    return text::ChosenLanguage();
}

std::string_view LanguageFromEnvironment(const std::function<const char*(const char*)>& variable) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = variable(name); value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    std::vector<std::string_view> wanted;
    const std::string plain = Normalised(locale);
    if (const char* list = variable("LANGUAGE");
        list != nullptr && !locale.empty() && plain != "c" && plain != "posix") {
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            wanted.push_back(rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
    }
    wanted.push_back(locale);
    for (const std::string_view name : wanted) {
        if (const auto code = name.empty() ? std::nullopt : MatchLanguage(name)) {
            return *code;
        }
    }
    return kOriginalLanguage;
}

std::string UnknownLanguageError(std::string_view quotedCode) {
    std::string known;
    for (const std::string_view code : ShippedLanguages()) {
        known += std::string(code) + ", ";
    }
    return "no language " + std::string(quotedCode) + " (" + known +
           std::string(kOriginalLanguage) + " for the original texts)";
}

}  // namespace orvath
