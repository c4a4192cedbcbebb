// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_format.h"

#include <charconv>
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

std::string FormatFixed(double value, int decimals, std::string_view decimalPoint) {
    char buffer[64];
#if defined(__cpp_lib_to_chars)
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
#else
    // The web build's C++ library has no floating-point to_chars; the page
    // never changes the C locale, so printf gives the same digits.
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
#endif
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') {
        text.erase(0, 1);
    }
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalPoint);
    }
    return text;
}

}  // namespace orvath
