// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/info_text.h"

#include <cctype>
#include <cmath>

#include "model/bar_settings.h"
#include "model/media.h"
#include "model/mystery.h"
#include "model/number_format.h"
#include "text/translate.h"

namespace orvath {
namespace {

// The rays' colours in the exact view.
constexpr std::string_view kRayColours =
    TrMark("incident rays red, refracted rays blue, reflected rays green");

// Why a known pair of media is not among the presets, for each such pair:
// "Diamond to air (n = 0.41) is no preset: the index bar runs from 0.50 to 3.00."
void AddPairsLeftOut(std::vector<std::string>& lines, std::string_view decimalPoint) {
    const BarSetting& index = SettingOf(Bar::Index);
    const auto hundredths = [&](int value) { return FormatFixed(value / 100.0, 2, decimalPoint); };
    for (const MediaPair& pair : KnownMediaPairs()) {
        if (FitsIndexBar(pair)) {
            continue;
        }
        std::string name = pair.Name();
        name.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
        lines.push_back(TrFormat(
            "%1 (n = %2) is no preset: the index bar runs from %3 to %4.",
            {name, hundredths(pair.indexTimes100), hundredths(index.min), hundredths(index.max)}));
    }
}

}  // namespace

std::vector<std::string> InfoOverlayLines(const RefractionFacts& facts, View view,
                                          std::string_view decimalPoint) {
    const auto two = [&](double value) { return FormatFixed(value, 2, decimalPoint); };
    const auto one = [&](double value) { return FormatFixed(value, 1, decimalPoint); };
    // What tells the index, or kHiddenValue while a mystery medium is on.
    const auto told = [&](double value, int decimals) {
        return facts.indexHidden ? std::string(kHiddenValue)
                                 : FormatFixed(value, decimals, decimalPoint);
    };
    std::vector<std::string> lines = {
        TrFormat("Relative refractive index n = c1 / c2 = %1", {told(facts.index, 2)}),
    };
    if (const auto pair = MediaPresetAt(static_cast<int>(std::lround(facts.index * 100)));
        pair && !facts.indexHidden) {
        lines.push_back(TrFormat("Media: %1", {pair->Name()}));
    }
    lines.insert(lines.end(),
                 {
                     TrFormat("Speed: c1 = %1 above, c2 = %2 below",
                              {two(facts.speed1), told(facts.speed2, 2)}),
                     // The ruler counts the same units.
                     TrFormat("Wavelength in the ruler's units: λ1 = %1 above, λ2 = %2 below",
                              {two(facts.wavelength1), told(facts.wavelength2, 2)}),
                     TrFormat("Angle of incidence: %1°", {std::to_string(facts.incidenceDeg)}),
                 });
    if (facts.refractionDeg) {
        lines.push_back(TrFormat("Angle of refraction: %1° (Snell's law: sin θ2 = sin θ1 / n)",
                                 {told(*facts.refractionDeg, 1)}));
    } else {
        lines.emplace_back(Tr("Total internal reflection: sin θ1 / n is greater than 1"));
    }
    if (facts.indexHidden) {
        lines.push_back(TrFormat("Critical angle: %1", {kHiddenValue}));
    } else {
        lines.push_back(facts.criticalDeg
                            ? TrFormat("Critical angle: %1°", {one(*facts.criticalDeg)})
                            : std::string(Tr("No critical angle: medium 2 is not the faster one")));
    }
    lines.push_back(TrFormat("Time: %1 = %2 periods", {two(facts.time), two(facts.periods)}));
    lines.push_back(view == View::Exact ? TrFormat("Exact view: %1", {Tr(kRayColours)})
                                        : std::string(Tr("Classic view (E: the exact view)")));
    lines.emplace_back();
    const auto both = [](std::string_view left, std::string_view right) {
        return std::string(Tr(left)) + "    " + std::string(Tr(right));
    };
    lines.push_back(both(TrMark("Tab: next control    Arrows, Page Up/Down: move a bar"),
                         TrMark("F1: hide this")));
    for (const std::string_view keys :
         {TrMark("E: classic or exact view    R: reflected wave    K: key to the colours"),
          TrMark("Space: start/stop the timer    Ctrl+R: back to the start values"),
          TrMark("- / +: slower / faster    . / ,: a step on / back (with Shift: a period)")}) {
        lines.emplace_back(Tr(keys));
    }
    lines.push_back(
        TrFormat("1-%1: pairs of media    T: projector theme    Menu, Shift+F10: the menu",
                 {std::to_string(MediaPresets().size())}));
    lines.emplace_back(
        Tr("Ctrl+S: save the picture    Ctrl+C: copy it    Ctrl+Shift+S: an animation"));
    lines.emplace_back(
        Tr("Ctrl++ / Ctrl+-: zoom    Ctrl+0: the whole picture    Drag a ray: turn it"));
    lines.push_back(both(TrMark("P: protractor    L: ruler"),
                         TrMark("M: mystery medium    G: your index    N: notes for the teacher")));
    AddPairsLeftOut(lines, decimalPoint);
    return lines;
}

std::string AngleBarDescription(const RefractionFacts& facts, std::string_view decimalPoint) {
    std::string text =
        TrFormat("Angle of incidence %1 degrees.", {std::to_string(facts.incidenceDeg)}) + " ";
    if (facts.indexHidden) {
        return text + std::string(Tr(facts.refractionDeg
                                         ? TrMark("The angle of refraction is to be measured.")
                                         : TrMark("The wave is totally reflected.")));
    }
    if (facts.refractionDeg) {
        text += TrFormat("The wave is refracted at %1 degrees.",
                         {FormatFixed(*facts.refractionDeg, 1, decimalPoint)});
    } else {
        text += Tr("The wave is totally reflected.");
    }
    text += " ";
    if (facts.criticalDeg) {
        text += TrFormat("Critical angle %1 degrees.",
                         {FormatFixed(*facts.criticalDeg, 1, decimalPoint)});
    } else {
        text += Tr("No critical angle.");
    }
    return text;
}

std::string PictureDescription(DisplayMode mode, View view, bool reflection) {
    const std::string_view picture = mode == DisplayMode::Continuous
                                         ? TrMark("The continuous picture")
                                         : TrMark("The wavelet picture");
    if (view == View::Classic) {
        return TrFormat("%1, classic view.", {Tr(picture)});
    }
    std::string text = TrFormat("%1, exact view: %2.", {Tr(picture), Tr(kRayColours)});
    if (reflection) {
        text += " ";
        text += Tr("The partially reflected wave is shown.");
    }
    return text;
}

}  // namespace orvath
