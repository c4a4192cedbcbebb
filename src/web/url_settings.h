// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/timer_speed.h"
#include "panel/settings.h"
#include "surface/theme.h"
#include "surface/zoom.h"

namespace orvath::web {

// The settings that a link to the page carries after its '#':
// "mode=continuous&angle=40&index=150&waves=10&time=1500&view=exact&reflection=on&key=off
// &speed=1/10&theme=projector&protractor=on&ruler=off&zoom=2&centre=-120,30",
// "medium=air-water" for the index of a pair of media, and "mystery=N" for a
// mystery medium drawn from seed N, whose index the link then leaves out.
// Every key is optional; of two that set the same thing the later counts. A
// key the page does not know, or a value it cannot take, leaves that setting
// at its start value and adds a line to `problems`.
struct UrlSettings {
    PanelSettings settings;
    std::optional<TimerSpeed> speed;
    std::optional<Theme> theme;
    // lang=CODE as given; ChooseLanguage reads it, before the page's texts.
    std::optional<std::string> language;
    std::optional<bool> protractor;
    std::optional<bool> ruler;
    // zoom=F, from 1 to 8, about centre=X,Y in world units (the frame's
    // middle when no centre is given); none for the whole picture.
    std::optional<Zoom> zoom;
    std::vector<std::string> problems;
};

// The longest settings a link may carry: many times the longest useful
// one. A longer link gives the start values and one problem.
inline constexpr std::size_t kMaxLinkSettings = 2048;

// Chooses the language of the page's texts before they are written: lang=
// of the fragment when it names a language, else the first of the
// browser's languages (a comma-separated list) that the program has, else
// the original texts. Returns the problem with an unknown lang=, if any.
std::optional<std::string> ChooseLanguage(std::string_view fragment,
                                          std::string_view browserLanguages);

// Reads the part of the address after '#' (or '?'); a leading '#' or '?' is
// skipped, and so are empty pieces. Values may be percent-encoded.
UrlSettings ParseUrlSettings(std::string_view fragment);

// The fragment that gives these settings (SettingsShown of a panel gives its
// picture): the mode, bar values, view and reflection switch that are set.
std::string SettingsFragment(const PanelSettings& settings);
// The same followed by the timer's speed and the theme.
std::string SettingsFragment(const PanelSettings& settings, TimerSpeed speed, Theme theme);

// What the hands on the picture show: "&protractor=off&ruler=on", then
// "&zoom=F&centre=X,Y" when the picture is magnified.
std::string ViewFragment(bool protractor, bool ruler, const Zoom& zoom);

}  // namespace orvath::web
