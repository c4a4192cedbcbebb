// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/info_text.h"

#include <cctype>
#include <cmath>

#include "model/bar_settings.h"
#include "model/media.h"
#include "model/mystery.h"
#include "model/number_format.h"

namespace orvath {
namespace {

// The rays' colours in the exact view.
constexpr std::string_view kRayColours =
    "incident rays red, refracted rays blue, reflected rays green";

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
        lines.push_back(name + " (n = " + hundredths(pair.indexTimes100) +
                        ") is no preset: the index bar runs from " + hundredths(index.min) +
                        " to " + hundredths(index.max) + ".");
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
        "Relative refractive index n = c1 / c2 = " + told(facts.index, 2),
    };
    if (const auto pair = MediaPresetAt(static_cast<int>(std::lround(facts.index * 100)));
        pair && !facts.indexHidden) {
        lines.push_back("Media: " + pair->Name());
    }
    lines.insert(
        lines.end(),
        {
            "Speed: c1 = " + two(facts.speed1) + " above, c2 = " + told(facts.speed2, 2) + " below",
            // The ruler counts the same units.
            "Wavelength in the ruler's units: \u03bb1 = " + two(facts.wavelength1) +
                " above, \u03bb2 = " + told(facts.wavelength2, 2) + " below",
            "Angle of incidence: " + std::to_string(facts.incidenceDeg) + "\u00b0",
        });
    if (facts.refractionDeg) {
        lines.push_back("Angle of refraction: " + told(*facts.refractionDeg, 1) +
                        "\u00b0 (Snell's law: sin \u03b82 = sin \u03b81 / n)");
    } else {
        lines.push_back("Total internal reflection: sin \u03b81 / n is greater than 1");
    }
    if (facts.indexHidden) {
        lines.push_back("Critical angle: " + std::string(kHiddenValue));
    } else {
        lines.push_back(facts.criticalDeg ? "Critical angle: " + one(*facts.criticalDeg) + "\u00b0"
                                          : "No critical angle: medium 2 is not the faster one");
    }
    lines.push_back("Time: " + two(facts.time) + " = " + two(facts.periods) + " periods");
    lines.push_back(view == View::Exact ? "Exact view: " + std::string(kRayColours)
                                        : std::string("Classic view (E: the exact view)"));
    lines.push_back("");
    lines.push_back("Tab: next control    Arrows, Page Up/Down: move a bar");
    lines.push_back("E: classic or exact view    R: reflected wave    K: key to the colours");
    lines.push_back("Space: start/stop the timer    Ctrl+R: back to the start values");
    lines.push_back("- / +: slower / faster    . / ,: a step on / back (with Shift: a period)");
    lines.push_back("1-" + std::to_string(MediaPresets().size()) +
                    ": pairs of media    T: projector theme    Menu, Shift+F10: the menu");
    lines.push_back("Ctrl+S: save the picture    Ctrl+C: copy it    Ctrl+Shift+S: an animation");
    lines.push_back("Ctrl++ / Ctrl+-: zoom    Ctrl+0: the whole picture    Drag a ray: turn it");
    lines.push_back("F1: hide this");
    AddPairsLeftOut(lines, decimalPoint);
    return lines;
}

std::string AngleBarDescription(const RefractionFacts& facts, std::string_view decimalPoint) {
    std::string text = "Angle of incidence " + std::to_string(facts.incidenceDeg) + " degrees. ";
    if (facts.indexHidden) {
        return text + (facts.refractionDeg ? "The angle of refraction is to be measured."
                                           : "The wave is totally reflected.");
    }
    if (facts.refractionDeg) {
        text += "The wave is refracted at " + FormatFixed(*facts.refractionDeg, 1, decimalPoint) +
                " degrees.";
    } else {
        text += "The wave is totally reflected.";
    }
    if (facts.criticalDeg) {
        text += " Critical angle " + FormatFixed(*facts.criticalDeg, 1, decimalPoint) + " degrees.";
    } else {
        text += " No critical angle.";
    }
    return text;
}

std::string PictureDescription(DisplayMode mode, View view, bool reflection) {
    std::string text =
        mode == DisplayMode::Continuous ? "The continuous picture" : "The wavelet picture";
    if (view == View::Classic) {
        return text + ", classic view.";
    }
    text += ", exact view: " + std::string(kRayColours) + ".";
    if (reflection) {
        text += " The partially reflected wave is shown.";
    }
    return text;
}

}  // namespace orvath
