// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/message_text.h"

namespace orvath {
namespace {

// The most characters of a word that a message quotes.
constexpr std::size_t kMaxShown = 40;

char Printable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte < 0x7f) ? c : '?';
}

}  // namespace

std::string QuotedWord(std::string_view word) {
    std::string shown(1, '\'');
    shown += PrintableName(word.substr(0, kMaxShown));
    if (word.size() > kMaxShown) {
        shown += "...";
    }
    shown += '\'';
    return shown;
}

std::string PrintableName(std::string_view name) {
    std::string shown;
    shown.reserve(name.size());
    for (const char c : name) {
        shown += Printable(c);
    }
    return shown;
}

}  // namespace orvath
