// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/action_texts.h"

#include <cctype>

#include "model/number_format.h"

namespace orvath {

std::string MediaPairText(const MediaPair& pair, std::string_view decimalPoint) {
    std::string name = pair.Name();
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    std::string index = FormatTwoDecimals(pair.indexTimes100 / 100.0);
    if (const auto point = index.find('.'); point != std::string::npos) {
        index.replace(point, 1, decimalPoint);
    }
    return name + " (" + index + ")";
}

}  // namespace orvath
