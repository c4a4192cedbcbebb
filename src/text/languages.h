// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvath {

// The code of the original texts, and of a pseudo-language whose every text
// is the original with its letters accented and 40 % longer, to show what a
// longer language does to the panel and the pictures.
inline constexpr std::string_view kOriginalLanguage = "en";
inline constexpr std::string_view kLongPseudoLanguage = "x-long";

// The codes of the languages with a catalogue, in the order of po/LINGUAS.
const std::vector<std::string_view>& ShippedLanguages();

// The language a code or a locale name asks for ("de", "de_AT.UTF-8",
// "pt-br", "zh_CN", "el_GR@euro"), as a shipped code, kOriginalLanguage for
// English, C and POSIX, or kLongPseudoLanguage; nothing for a language the
// program does not have.
std::optional<std::string_view> MatchLanguage(std::string_view requested);

// The language's name in itself ("Deutsch"), as a chooser lists it.
std::string_view LanguageName(std::string_view code);

// Chooses the language of every text Tr gives from now on; `code` is one
// that MatchLanguage returns. Nothing is chosen at start: the original texts.
void SetLanguage(std::string_view code);
std::string_view CurrentLanguage();

// The language that the environment asks for as Qt and gettext programs read
// it: LANGUAGE (a list, tried in order) unless the locale is C or POSIX, then
// the locale of LC_ALL, LC_MESSAGES or LANG, the first that is set. The
// original when none of them names a shipped language.
std::string_view LanguageFromEnvironment(const std::function<const char*(const char*)>& variable);

// The error for a code MatchLanguage does not know, shown quoted as the
// caller's messages quote a word, naming the known ones.
std::string UnknownLanguageError(std::string_view quotedCode);

}  // namespace orvath
