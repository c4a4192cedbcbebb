// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "surface/surface.h"

namespace orvath {

// How the picture and the panel look. The classic theme is the program's
// own; the projector theme is for a projector in a lit room: wider lines and
// dots, darker and more saturated colours, larger panel fonts. Either is
// applied at paint time, by the window's painter and the page's packer
// alike: the pictures and the trace stay the same.
enum class Theme { Classic, Projector };

// "classic" or "projector": what --theme takes.
std::string_view ThemeName(Theme theme);
std::optional<Theme> ThemeNamed(std::string_view name);

// Colours of the drawing area.
inline constexpr Rgb kForegroundRgb{0, 0, 0};
inline constexpr Rgb kBackgroundRgb{255, 255, 255};

// The projector theme's colours stand out from the background at least this
// much (the contrast ratio of WCAG 2, 1 to 21), with room for the eye.
inline constexpr double kProjectorContrast = 4.5;

// The contrast ratio between two colours: (L1 + 0.05) / (L2 + 0.05) of their
// relative luminances, the lighter over the darker.
double ContrastRatio(Rgb a, Rgb b);

// A colour of the picture as the theme paints it (the foreground when none).
// The projector theme turns every colour darker and more saturated, keeping
// its hue, until it stands out from the background by kProjectorContrast;
// black stays black.
Rgb ThemeColour(Theme theme, Colour colour);

// What pen widths and dot sizes are multiplied by on an area of that size in
// pixels: 1 in the classic theme; in the projector theme 3 at 1920x1080, in
// proportion to the smaller of the area's two sides against 1920x1080, but
// never less than 1.
double WidthScale(Theme theme, double width, double height);

// The panel's fonts in the theme, against the classic sizes.
double FontScale(Theme theme);

// The smallest a font of the panel gets, in points, where a text (a longer
// language's, or a larger theme's) must shrink to fit its control.
inline constexpr double kLeastPanelFontPoints = 6;

// The form's font on the picture in the theme, against the classic size:
// the projector theme enlarges the printed message.
double PrintFontScale(Theme theme);

// The type size (em height) of the texts of the exact view and of the
// information box on a picture heightPx pixels high: 2.2 % of the height,
// 3.3 % in the projector theme, never below 12 pixels.
double LabelTextPx(Theme theme, double pictureHeightPx);
// The same em in world units, on a picture `heightUnits` world units and
// `heightPx` pixels high.
double LabelEm(Theme theme, double heightUnits, double heightPx);

// Backings are paper, not ink: every theme paints them in the colour given.

}  // namespace orvath
