// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/paint_theme.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvath {
namespace {

constexpr std::array<std::string_view, 2> kThemeNames = {"classic", "projector"};

constexpr double kProjectorWidth = 3;  // at the reference size
constexpr double kReferenceWidth = 1920;
constexpr double kReferenceHeight = 1080;
constexpr double kProjectorFontScale = 1.3;

// The projector colours: saturation goes this part of the way to full, and
// lightness down by this factor; then further down until the contrast holds,
// with a margin so that antialiased edges of thin parts still read.
constexpr double kSaturationGain = 0.6;
constexpr double kDarkening = 0.8;
constexpr double kTargetContrast = kProjectorContrast + 0.5;
constexpr double kLightnessStep = 0.01;

// sRGB channel value 0..1 to linear light.
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

QColor ProjectorColour(const QColor& colour) {
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    colour.getHslF(&hue, &saturation, &lightness);
    if (saturation > 0) {
        saturation += static_cast<float>((1 - saturation) * kSaturationGain);
    }
    auto darker = static_cast<float>(lightness * kDarkening);
    QColor result = QColor::fromHslF(hue, saturation, darker);
    while (darker > 0 && ContrastRatio(result, kBackgroundColour) < kTargetContrast) {
        darker = std::max(0.0F, darker - static_cast<float>(kLightnessStep));
        result = QColor::fromHslF(hue, saturation, darker);
    }
    return result.toRgb();
}

}  // namespace

std::string_view ThemeName(Theme theme) {
    return kThemeNames.at(static_cast<std::size_t>(theme));
}

std::optional<Theme> ThemeNamed(std::string_view name) {
    for (const Theme theme : {Theme::Classic, Theme::Projector}) {
        if (ThemeName(theme) == name) {
            return theme;
        }
    }
    return std::nullopt;
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ThemeColour(Theme theme, Colour colour) {
    const QColor classic = colour ? QColor(colour->r, colour->g, colour->b) : kForegroundColour;
    return theme == Theme::Projector ? ProjectorColour(classic) : classic;
}

double WidthScale(Theme theme, QSizeF area) {
    if (theme == Theme::Classic) {
        return 1;
    }
    const double proportion =
        std::min(area.width() / kReferenceWidth, area.height() / kReferenceHeight);
    return std::max(1.0, kProjectorWidth * proportion);
}

double FontScale(Theme theme) {
    return theme == Theme::Projector ? kProjectorFontScale : 1;
}

}  // namespace orvath
