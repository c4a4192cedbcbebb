// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/setting_words.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace orvath {
namespace {

// The most digits a side may have: more cannot be in range.
constexpr std::size_t kMostSideDigits = 5;

std::optional<int> Side(std::string_view text) {
    int side = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), side);
    if (text.empty() || text.size() > kMostSideDigits || status != std::errc() ||
        end != text.data() + text.size() || side < 1 || side > kMaxClientSide) {
        return std::nullopt;
    }
    return side;
}

template <typename T>
std::optional<T> Named(std::string_view word, std::string_view first, T firstValue,
                       std::string_view second, T secondValue) {
    if (word == first) {
        return firstValue;
    }
    if (word == second) {
        return secondValue;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PixelSize> ParsePixelSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto width = Side(text.substr(0, x));
    const auto height = Side(text.substr(x + 1));
    if (!width || !height) {
        return std::nullopt;
    }
    return PixelSize{*width, *height};
}

bool IsWholeNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<double> ParseDecimal(std::string_view text) {
    if (text.empty() || text.find_first_not_of("-.0123456789") != text.npos) {
        return std::nullopt;
    }
    // A stream in the classic locale: the browser's library has no
    // from_chars for doubles, and strtod follows the user's locale.
    std::istringstream stream{std::string(text)};
    stream.imbue(std::locale::classic());
    double value = 0;
    stream >> value;
    if (stream.fail() || stream.peek() != std::char_traits<char>::eof() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (!IsWholeNumber(text)) {
        return std::nullopt;
    }
    // from_chars reads a '-' but no '+'.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string_view ModeName(DisplayMode mode) {
    return mode == DisplayMode::Continuous ? "continuous" : "wavelets";
}

std::string_view ViewName(View view) {
    return view == View::Exact ? "exact" : "classic";
}

std::string_view SwitchName(bool on) {
    return on ? "on" : "off";
}

std::optional<DisplayMode> ModeNamed(std::string_view word) {
    return Named(word, ModeName(DisplayMode::Wavelets), DisplayMode::Wavelets,
                 ModeName(DisplayMode::Continuous), DisplayMode::Continuous);
}

std::optional<View> ViewNamed(std::string_view word) {
    return Named(word, ViewName(View::Classic), View::Classic, ViewName(View::Exact), View::Exact);
}

std::optional<bool> SwitchNamed(std::string_view word) {
    return Named(word, SwitchName(false), false, SwitchName(true), true);
}

std::string SizeOptionError(std::string_view option) {
    return std::string(option) + " needs a size WxH, each side 1 to " +
           std::to_string(kMaxClientSide) + " pixels";
}

std::string ViewOptionError(std::string_view option) {
    return std::string(option) + " needs '" + std::string(ViewName(View::Exact)) + "' or '" +
           std::string(ViewName(View::Classic)) + "'";
}

std::string SwitchOptionError(std::string_view option) {
    return std::string(option) + " needs '" + std::string(SwitchName(true)) + "' or '" +
           std::string(SwitchName(false)) + "'";
}

}  // namespace orvath
