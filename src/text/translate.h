// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orvath {

// Marks a text in a table for the catalogue; Tr translates it where it is
// shown. The catalogue's template (po/orvath.pot) is drawn from these marks.
constexpr std::string_view TrMark(std::string_view original) {
    return original;
}

// The text in the chosen language (languages.h); the original itself while
// none is chosen or when the language's catalogue lacks it. The view stays
// valid for the life of the program.
std::string_view Tr(std::string_view original);

// Tr, then "%1", "%2", ... replaced by the values in order: the numbers of a
// text stay as the caller formatted them, wherever the language puts them.
std::string TrFormat(std::string_view original, std::initializer_list<std::string_view> values);

// Tr in the given language (a code of ShippedLanguages or the pseudo-language),
// whichever is chosen.
std::string_view TrIn(std::string_view code, std::string_view original);

}  // namespace orvath
