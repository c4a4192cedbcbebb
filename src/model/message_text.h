// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace orvath {

// A word from the user, quoted for a one-line error message: shortened, and
// with line breaks and other unprintable bytes shown as '?', so that a binary
// or very long word still gives one readable line.
std::string QuotedWord(std::string_view word);

// A file name as an error line shows it: unprintable bytes shown as '?'.
std::string PrintableName(std::string_view name);

}  // namespace orvath
