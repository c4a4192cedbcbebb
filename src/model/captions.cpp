// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/captions.h"

#include "model/number_format.h"

namespace orvath {

std::string AngleCaption(std::int16_t angleDeg) {
    return "ANGLE OF INCIDENCE= " + FormatWhole(angleDeg);
}

std::string WavesCaption(std::int16_t waves) {
    return "# WAVES = " + FormatWhole(waves);
}

std::string IndexCaption(std::int16_t indexTimes100) {
    return "c2=  C1/" + FormatTwoDecimals(indexTimes100 / 100.0);
}

std::string StartupTimeCaption(std::int16_t timeTimes100) {
    return "TIME =" + FormatTwoDecimals(timeTimes100 / 100.0);
}

std::string TimeBarCaption(std::int16_t timeTimes100, double period) {
    return "TIME = " + FormatTwoDecimals((timeTimes100 / 100.0) * period) + "* T";
}

std::string WaveletTimeCaption(std::int16_t timeTimes100) {
    return "TIME= " + FormatTwoDecimals(timeTimes100 / 100.0) + " * T";
}

}  // namespace orvath
