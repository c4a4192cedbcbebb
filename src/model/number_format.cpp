// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_format.h"

#include <cstdio>

namespace orvath {

std::string FormatWhole(long value) {
    return std::to_string(value);
}

std::string FormatTwoDecimals(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    // A tiny negative value must not show as "-0.00".
    if (text == "-0.00") {
        text = "0.00";
    }
    return text;
}

}  // namespace orvath
