// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/simulation_state.h"

#include <cmath>

namespace orvath {

double ComputePi() {
    return 4.0 * std::atan(1.0);
}

double SpeedInMedium2(std::int16_t c1, std::int16_t indexTimes100) {
    return c1 / (indexTimes100 / 100.0);
}

}  // namespace orvath
