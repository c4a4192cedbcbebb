// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/tick_pacer.h"

#include <algorithm>
#include <cmath>

namespace orvath {

void TickPacer::Start(double nowMs) {
    startMs_ = nowMs;
    delivered_ = 0;
}

long TickPacer::Due(double nowMs) const {
    return std::max(0L, static_cast<long>(std::floor(nowMs - startMs_)) - delivered_);
}

}  // namespace orvath
