// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace orvath {

// The caption pattern "0": a whole number without decimals.
std::string FormatWhole(long value);
// The caption pattern "0.00": two decimals, at least one digit before the '.'.
std::string FormatTwoDecimals(double value);
// `value` with a fixed number of decimals and the given separator; a value
// that rounds to zero shows no minus sign.
std::string FormatFixed(double value, int decimals, std::string_view decimalPoint = ".");

}  // namespace orvath
