// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spoken_texts.h"

#include <cctype>

#include "model/info_text.h"
#include "model/mystery.h"
#include "model/number_format.h"
#include "text/translate.h"

namespace orvath {
namespace {

// "LESS THAN CRITICAL" as a sentence: "Less than critical."
std::string Sentence(std::string_view capitals) {
    std::string text;
    for (const char c : capitals) {
        text += text.empty() ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text + ".";
}

}  // namespace

std::string BarValueText(Bar bar, int waves, const RefractionFacts& facts,
                         std::string_view decimalPoint) {
    switch (bar) {
        case Bar::Angle:
            return TrFormat("%1 degrees", {std::to_string(facts.incidenceDeg)});
        case Bar::Index:
            return TrFormat("relative index %1",
                            {facts.indexHidden ? std::string(kHiddenValue)
                                               : FormatFixed(facts.index, 2, decimalPoint)});
        case Bar::Time:
            return TrFormat("time %1", {FormatFixed(facts.time, 2, decimalPoint)});
        case Bar::Waves:
            break;
    }
    return TrFormat("%1 waves", {std::to_string(waves)});
}

std::string RefractionAnnouncement(const RefractionFacts& facts, CriticalVerdict verdict,
                                   std::string_view decimalPoint) {
    return Sentence(CriticalMessage(verdict)) + " " + AngleBarDescription(facts, decimalPoint);
}

std::string_view TimerAnnouncement(bool running) {
    return running ? Tr("The timer runs.") : Tr("The timer is stopped.");
}

std::string SpeedAnnouncement(TimerSpeed speed) {
    return TrFormat("Speed %1.", {SpeedName(speed)});
}

std::string PictureSummary(DisplayMode mode, View view, bool reflection,
                           const RefractionFacts& facts, std::string_view decimalPoint) {
    return PictureDescription(mode, view, reflection) + " " +
           AngleBarDescription(facts, decimalPoint);
}

}  // namespace orvath
