// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/world_frame.h"

#include "model/bar_settings.h"

namespace orvath {

void SetWorldFrame(SimulationState& state, float clientWidthTwips, float clientHeightTwips) {
    state.Pi = ComputePi();
    state.ScreenScaleWidth = clientWidthTwips;
    state.ScreenScaleHeight = clientHeightTwips;
    state.Aspect = static_cast<double>(state.ScreenScaleWidth) / state.ScreenScaleHeight;
    state.XLeft = static_cast<float>(-200 * state.Aspect);
    state.XRight = static_cast<float>(0 * state.Aspect);
    state.YTop = 100;
    state.YBottom = -100;
}

void SetSpeeds(SimulationState& state, std::int16_t indexTimes100) {
    state.C1 = kSpeed1;
    state.C2 = SpeedInMedium2(state.C1, indexTimes100);
}

void SetPhysicalConstants(SimulationState& state, std::int16_t indexTimes100) {
    SetSpeeds(state, indexTimes100);
    state.Lambda1 = kWavelength1;
    state.Period = static_cast<double>(state.Lambda1) / state.C1;
}

SimulationState StartupState(int clientWidthPx, int clientHeightPx) {
    SimulationState state;
    SetWorldFrame(state, static_cast<float>(clientWidthPx * kTwipsPerPixel),
                  static_cast<float>(clientHeightPx * kTwipsPerPixel));
    SetPhysicalConstants(state, static_cast<std::int16_t>(SettingOf(Bar::Index).start));
    return state;
}

}  // namespace orvath
