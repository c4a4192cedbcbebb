// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/world_frame.h"

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

void SetPhysicalConstants(SimulationState& state, std::int16_t indexTimes100) {
    state.C1 = 5;
    state.C2 = SpeedInMedium2(state.C1, indexTimes100);
    state.Lambda1 = 30;
    state.T = static_cast<double>(state.Lambda1) / state.C1;
}

SimulationState StartupState(int clientWidthPx, int clientHeightPx) {
    SimulationState state;
    SetWorldFrame(state, static_cast<float>(clientWidthPx * kTwipsPerPixel),
                  static_cast<float>(clientHeightPx * kTwipsPerPixel));
    SetPhysicalConstants(state, BarValues{}.N_REFR);
    return state;
}

}  // namespace orvath
