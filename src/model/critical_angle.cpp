// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/critical_angle.h"

#include <cmath>

#include "text/translate.h"

namespace orvath {

CriticalVerdict TestCriticalAngle(double pi, std::int16_t angleDeg, double c2, std::int16_t c1) {
    const double ratio = std::sin(pi * angleDeg / 180) * c2 / c1;
    if (std::abs(ratio - 1) < 0.0001) {
        return CriticalVerdict::Critical;
    }
    return ratio > 1 ? CriticalVerdict::Greater : CriticalVerdict::Less;
}

std::string_view CriticalMessage(CriticalVerdict verdict) {
    switch (verdict) {
        case CriticalVerdict::Critical:
            return Tr("CRITICAL");
        case CriticalVerdict::Greater:
            return Tr("GREATER THAN CRITICAL");
        case CriticalVerdict::Less:
            break;
    }
    return Tr("LESS THAN CRITICAL");
}

}  // namespace orvath
