// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace orvath::text {

// The long pseudo-language's text for an original: every ASCII letter
// accented, placeholders, digits and signs kept, and filled to 40 % more
// characters between brackets, so that a cut-off text shows.
std::string LongPseudoText(std::string_view original);

}  // namespace orvath::text
