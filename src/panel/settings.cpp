// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/settings.h"

#include <algorithm>

#include "panel/panel.h"

namespace orvath {

bool PanelSettings::MoveControls() const {
    return mode || std::any_of(bars.begin(), bars.end(), [](const auto& v) { return v; });
}

PanelSettings SettingsShown(const Panel& panel) {
    PanelSettings settings;
    settings.view = panel.CurrentView();
    settings.reflection = panel.Reflection();
    settings.key = panel.Key();
    settings.mode = panel.Mode();
    for (const Bar bar : kBars) {
        settings[bar] = panel.Bars()[bar];
    }
    settings.mysterySeed = panel.MysterySeed();
    return settings;
}

void ApplyViewSettings(const PanelSettings& settings, UserActions& user) {
    if (settings.view) {
        user.SetView(*settings.view);
    }
    if (settings.reflection) {
        user.SetReflection(*settings.reflection);
    }
    if (settings.key) {
        user.SetKey(*settings.key);
    }
}

void ApplySettings(const PanelSettings& settings, UserActions& user) {
    if (settings.mode) {
        user.Click(*settings.mode == DisplayMode::Continuous ? Button::Continuous
                                                             : Button::Wavelets);
    }
    for (const Bar bar : kBars) {
        if (const auto& value = settings[bar]) {
            user.MoveBar(bar, *value);
        }
    }
    if (settings.mysterySeed) {
        user.StartMystery(*settings.mysterySeed);
    }
}

}  // namespace orvath
