// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/theme.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace orvath {
namespace {

constexpr std::string_view kThemeNames[] = {"classic", "projector"};
static_assert(std::size(kThemeNames) == static_cast<std::size_t>(Theme::Projector) + 1);

constexpr double kProjectorWidth = 3;  // at the reference size
constexpr double kReferenceWidth = 1920;
constexpr double kReferenceHeight = 1080;
constexpr double kProjectorFontScale = 1.3;
constexpr double kProjectorPrintScale = 1.5;
constexpr double kClassicTextShare = 0.022;
constexpr double kProjectorTextShare = 0.033;
constexpr double kSmallestTextPx = 12;

// The projector colours: saturation goes this part of the way to full, and
// lightness down by this factor; then further down until the contrast holds,
// with a margin so that antialiased edges of thin parts still read.
constexpr float kSaturationGain = 0.6F;
constexpr float kDarkening = 0.8F;
constexpr double kTargetContrast = kProjectorContrast + 0.5;
constexpr float kLightnessStep = 0.01F;

// Colours are worked on with 16 bits a channel and single-precision HSL, so
// that the theme gives the very colours the painters have always painted.
constexpr int kFull = 0xffff;
constexpr std::uint16_t kNoHue = 0xffff;

int Round(float value) {
    return static_cast<int>(value + std::copysign(0.5F, value));
}

struct Rgb16 {
    int r = 0;
    int g = 0;
    int b = 0;
};

struct Hsl16 {
    int hue = kNoHue;  // hundredths of a degree
    int saturation = 0;
    int lightness = 0;
};

Rgb16 Widened(Rgb c) {
    return {c.r * 0x101, c.g * 0x101, c.b * 0x101};
}

std::uint8_t Narrowed(int channel) {
    return static_cast<std::uint8_t>((channel + 128) / 257);
}

bool FuzzyZero(float value) {
    return std::abs(value) <= 0.00001F;
}

bool FuzzyEqual(float a, float b) {
    return std::abs(a - b) * 100000.F <= std::min(std::abs(a), std::abs(b));
}

Hsl16 ToHsl(Rgb16 c) {
    const float r = static_cast<float>(c.r) / kFull;
    const float g = static_cast<float>(c.g) / kFull;
    const float b = static_cast<float>(c.b) / kFull;
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    const float delta = max - min;
    const float sum = max + min;
    const float lightness = 0.5F * sum;
    Hsl16 hsl;
    hsl.lightness = Round(lightness * kFull);
    if (FuzzyZero(delta)) {
        return hsl;
    }
    hsl.saturation = Round((lightness < 0.5F ? delta / sum : delta / (2.F - sum)) * kFull);
    float hue = 0;
    if (FuzzyEqual(r, max)) {
        hue = (g - b) / delta;
    } else if (FuzzyEqual(g, max)) {
        hue = 2.F + (b - r) / delta;
    } else {
        hue = 4.F + (r - g) / delta;
    }
    hue *= 60.F;
    if (hue < 0.F) {
        hue += 360.F;
    }
    hsl.hue = Round(hue * 100);
    return hsl;
}

Hsl16 FromHslF(float hue, float saturation, float lightness) {
    Hsl16 hsl;
    hsl.hue = hue == -1.F ? kNoHue : Round(hue * 36000);
    if (hsl.hue == 36000) {
        hsl.hue = 0;
    }
    hsl.saturation = Round(saturation * kFull);
    hsl.lightness = Round(lightness * kFull);
    return hsl;
}

Rgb16 ToRgb(Hsl16 c) {
    if (c.saturation == 0 || c.hue == kNoHue) {
        return {c.lightness, c.lightness, c.lightness};
    }
    if (c.lightness == 0) {
        return {};
    }
    const float h = c.hue == 36000 ? 0 : static_cast<float>(c.hue) / 36000.F;
    const float s = static_cast<float>(c.saturation) / kFull;
    const float l = static_cast<float>(c.lightness) / kFull;
    const float temp2 = l < 0.5F ? l * (1.F + s) : l + s - (l * s);
    const float temp1 = (2.F * l) - temp2;
    std::array<float, 3> temp3 = {h + (1.F / 3.F), h, h - (1.F / 3.F)};
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        float& t = temp3.at(i);
        if (t < 0.F) {
            t += 1.F;
        } else if (t > 1.F) {
            t -= 1.F;
        }
        const float sixth = t * 6.F;
        float value = temp1;
        if (sixth < 1.F) {
            value = temp1 + (temp2 - temp1) * sixth;
        } else if (t * 2.F < 1.F) {
            value = temp2;
        } else if (t * 3.F < 2.F) {
            value = temp1 + (temp2 - temp1) * (2.F / 3.F - t) * 6.F;
        }
        const int channel = Round(value * kFull);
        channels.at(i) = channel == 1 ? 0 : channel;
    }
    return {channels[0], channels[1], channels[2]};
}

// sRGB channel value 0..1 to linear light.
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb16 c) {
    const auto f = [](int channel) {
        return static_cast<double>(static_cast<float>(channel) / static_cast<float>(kFull));
    };
    return 0.2126 * Linear(f(c.r)) + 0.7152 * Linear(f(c.g)) + 0.0722 * Linear(f(c.b));
}

double Contrast(Rgb16 a, Rgb16 b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ProjectorColour(Rgb colour) {
    const Hsl16 hsl = ToHsl(Widened(colour));
    const float hue = hsl.hue == kNoHue ? -1.F : static_cast<float>(hsl.hue) / 36000.F;
    float saturation = static_cast<float>(hsl.saturation) / kFull;
    const float lightness = static_cast<float>(hsl.lightness) / kFull;
    if (saturation > 0) {
        saturation += (1 - saturation) * kSaturationGain;
    }
    const Rgb16 background = Widened(kBackgroundRgb);
    float darker = lightness * kDarkening;
    Rgb16 result = ToRgb(FromHslF(hue, saturation, darker));
    while (darker > 0 && Contrast(result, background) < kTargetContrast) {
        darker = std::max(0.F, darker - kLightnessStep);
        result = ToRgb(FromHslF(hue, saturation, darker));
    }
    return {Narrowed(result.r), Narrowed(result.g), Narrowed(result.b)};
}

}  // namespace

std::string_view ThemeName(Theme theme) {
    return kThemeNames[static_cast<std::size_t>(theme)];
}

std::optional<Theme> ThemeNamed(std::string_view name) {
    for (const Theme theme : {Theme::Classic, Theme::Projector}) {
        if (ThemeName(theme) == name) {
            return theme;
        }
    }
    return std::nullopt;
}

double ContrastRatio(Rgb a, Rgb b) {
    return Contrast(Widened(a), Widened(b));
}

Rgb ThemeColour(Theme theme, Colour colour) {
    const Rgb classic = colour.value_or(kForegroundRgb);
    return theme == Theme::Projector ? ProjectorColour(classic) : classic;
}

double WidthScale(Theme theme, double width, double height) {
    if (theme == Theme::Classic) {
        return 1;
    }
    const double proportion = std::min(width / kReferenceWidth, height / kReferenceHeight);
    return std::max(1.0, kProjectorWidth * proportion);
}

double FontScale(Theme theme) {
    return theme == Theme::Projector ? kProjectorFontScale : 1;
}

double PrintFontScale(Theme theme) {
    return theme == Theme::Projector ? kProjectorPrintScale : 1;
}

double LabelEm(Theme theme, double heightUnits, double heightPx) {
    return LabelTextPx(theme, heightPx) * heightUnits / heightPx;
}

double LabelTextPx(Theme theme, double pictureHeightPx) {
    const double share = theme == Theme::Projector ? kProjectorTextShare : kClassicTextShare;
    return std::max(kSmallestTextPx, share * pictureHeightPx);
}

}  // namespace orvath
