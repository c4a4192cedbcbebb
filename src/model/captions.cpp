// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/captions.h"

#include "model/bar_settings.h"
#include "model/mystery.h"
#include "model/number_format.h"
#include "text/translate.h"

namespace orvath {
std::string AngleCaption(std::int16_t angleDeg) {
    return TrFormat("ANGLE OF INCIDENCE= %1", {FormatWhole(angleDeg)});
}

std::string WavesCaption(std::int16_t waves) {
    return TrFormat("# WAVES = %1", {FormatWhole(waves)});
}

std::string IndexCaption(std::int16_t indexTimes100) {
    return TrFormat("c2=  C1/%1", {FormatTwoDecimals(indexTimes100 / 100.0)});
}

std::string HiddenIndexCaption() {
    return TrFormat("c2=  C1/%1", {kHiddenValue});
}

std::string StartupTimeCaption(std::int16_t timeTimes100) {
    return TrFormat("TIME =%1", {FormatTwoDecimals(timeTimes100 / 100.0)});
}

std::string TimeBarCaption(std::int16_t timeTimes100, double period) {
    return TrFormat("TIME = %1* T", {FormatTwoDecimals((timeTimes100 / 100.0) * period)});
}

std::string WaveletTimeCaption(std::int16_t timeTimes100) {
    return TrFormat("TIME= %1 * T", {FormatTwoDecimals(timeTimes100 / 100.0)});
}

std::vector<std::string> CaptionsAtTheEnds(Bar bar, double period) {
    std::vector<std::string> captions;
    for (const int end : {SettingOf(bar).min, SettingOf(bar).max}) {
        const auto value = static_cast<std::int16_t>(end);
        switch (bar) {
            case Bar::Angle:
                captions.push_back(AngleCaption(value));
                break;
            case Bar::Index:
                captions.push_back(IndexCaption(value));
                break;
            case Bar::Waves:
                captions.push_back(WavesCaption(value));
                break;
            case Bar::Time:
                captions.insert(captions.end(),
                                {StartupTimeCaption(value), TimeBarCaption(value, period),
                                 WaveletTimeCaption(value)});
                break;
        }
    }
    return captions;
}

}  // namespace orvath
