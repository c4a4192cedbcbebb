// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace orvath {

// The caption pattern "0": a whole number without decimals.
std::string FormatWhole(long value);
// The caption pattern "0.00": two decimals, at least one digit before the '.'.
std::string FormatTwoDecimals(double value);

}  // namespace orvath
