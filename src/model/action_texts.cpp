// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/action_texts.h"

#include <cctype>

#include "model/number_format.h"

namespace orvath {

std::string MediaPairText(const MediaPair& pair, std::string_view decimalPoint) {
    std::string name = pair.Name();
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name + " (" + FormatFixed(pair.indexTimes100 / 100.0, 2, decimalPoint) + ")";
}

}  // namespace orvath
