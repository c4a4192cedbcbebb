// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_format.h"

#include <charconv>
#include <cstdio>
#include <cstring>

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
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
#else
    // The web build's C++ library has no floating-point to_chars; the page
    // never changes the C locale, so printf gives the same digits.
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    const char* const end = buffer + std::strlen(buffer);
#endif
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    if (digits.front() == '-' && digits.find_first_not_of("-0.") == std::string_view::npos) {
        digits.remove_prefix(1);
    }
    const auto point = digits.find('.');
    if (point == std::string_view::npos || decimalPoint == ".") {
        return std::string(digits);
    }
    std::string text;
    text.reserve(digits.size() + decimalPoint.size());
    text.append(digits.substr(0, point)).append(decimalPoint).append(digits.substr(point + 1));
    return text;
}

}  // namespace orvath
