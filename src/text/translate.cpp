// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/translate.h"

#include <map>
#include <mutex>

#include "text/catalogues.h"
#include "text/languages.h"
#include "text/pseudo_language.h"

namespace orvath {
namespace {

// The pseudo-language's texts, made once each and kept, so that the views
// Tr hands out stay valid.
std::string_view LongPseudo(std::string_view original) {
    static std::mutex guard;
    static std::map<std::string, std::string, std::less<>> made;
    const std::lock_guard lock(guard);
    auto it = made.find(original);
    if (it == made.end()) {
        it = made.emplace(std::string(original), text::LongPseudoText(original)).first;
    }
    return it->second;
}

}  // namespace

std::string_view TrIn(std::string_view code, std::string_view original) {
    // The original texts need no catalogue.
    if (code == kOriginalLanguage) {
        return original;
    }
    if (code == kLongPseudoLanguage) {
        return LongPseudo(original);
    }
    if (const text::MoCatalogue* catalogue = text::CatalogueOf(code)) {
        return catalogue->Find(original).value_or(original);
    }
    return original;
}

std::string_view Tr(std::string_view original) {
    return TrIn(text::ChosenLanguage(), original);
}

std::string TrFormat(std::string_view original, std::initializer_list<std::string_view> values) {
    const std::string_view pattern = Tr(original);
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace orvath
