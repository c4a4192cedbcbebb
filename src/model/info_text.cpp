// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/info_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/bar_settings.h"
#include "model/media.h"

namespace orvath {
namespace {

// `value` with a fixed number of decimals and the given separator.
std::string Fixed(double value, int decimals, std::string_view decimalPoint) {
    char buffer[64];
#if defined(__cpp_lib_to_chars)
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
#else
    // The web build's C++ library has no floating-point to_chars; the page
    // never changes the C locale, so printf gives the same digits.
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
#endif
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') {
        text.erase(0, 1);
    }
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalPoint);
    }
    return text;
}

// The rays' colours in the exact view.
constexpr std::string_view kRayColours =
    "incident rays red, refracted rays blue, reflected rays green";

// Why a known pair of media is not among the presets, for each such pair:
// "Diamond to air (n = 0.41) is no preset: the index bar runs from 0.50 to 3.00."
void AddPairsLeftOut(std::vector<std::string>& lines, std::string_view decimalPoint) {
    const BarSetting& index = SettingOf(Bar::Index);
    const auto hundredths = [&](int value) { return Fixed(value / 100.0, 2, decimalPoint); };
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
                                          std::string_view decimalPoint, KeysOf keys) {
    const auto two = [&](double value) { return Fixed(value, 2, decimalPoint); };
    const auto one = [&](double value) { return Fixed(value, 1, decimalPoint); };
    std::vector<std::string> lines = {
        "Relative refractive index n = c1 / c2 = " + two(facts.index),
    };
    if (const auto pair = MediaPresetAt(static_cast<int>(std::lround(facts.index * 100)))) {
        lines.push_back("Media: " + pair->Name());
    }
    lines.insert(
        lines.end(),
        {
            "Speed: c1 = " + two(facts.speed1) + " above, c2 = " + two(facts.speed2) + " below",
            "Wavelength: \u03bb1 = " + two(facts.wavelength1) +
                " above, \u03bb2 = " + two(facts.wavelength2) + " below",
            "Angle of incidence: " + std::to_string(facts.incidenceDeg) + "\u00b0",
        });
    if (facts.refractionDeg) {
        lines.push_back("Angle of refraction: " + one(*facts.refractionDeg) +
                        "\u00b0 (Snell's law: sin \u03b82 = sin \u03b81 / n)");
    } else {
        lines.push_back("Total internal reflection: sin \u03b81 / n is greater than 1");
    }
    lines.push_back(facts.criticalDeg ? "Critical angle: " + one(*facts.criticalDeg) + "\u00b0"
                                      : "No critical angle: medium 2 is not the faster one");
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
    if (keys == KeysOf::Window) {
        lines.push_back(
            "Ctrl++ / Ctrl+-: zoom    Ctrl+0: the whole picture    Drag a ray: turn it");
    }
    lines.push_back("F1: hide this");
    AddPairsLeftOut(lines, decimalPoint);
    return lines;
}

std::string AngleBarDescription(const RefractionFacts& facts, std::string_view decimalPoint) {
    std::string text = "Angle of incidence " + std::to_string(facts.incidenceDeg) + " degrees. ";
    if (facts.refractionDeg) {
        text += "The wave is refracted at " + Fixed(*facts.refractionDeg, 1, decimalPoint) +
                " degrees.";
    } else {
        text += "The wave is totally reflected.";
    }
    if (facts.criticalDeg) {
        text += " Critical angle " + Fixed(*facts.criticalDeg, 1, decimalPoint) + " degrees.";
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
