// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/world_frame.h"

namespace orvath {

void SetWorldFrame(SimulationState& state, float clientWidthTwips, float clientHeightTwips) {
    state.pi = ComputePi();
    state.screenScaleWidth = clientWidthTwips;
    state.screenScaleHeight = clientHeightTwips;
    state.aspect = static_cast<double>(state.screenScaleWidth) / state.screenScaleHeight;
    state.xLeft = static_cast<float>(-200 * state.aspect);
    state.xRight = static_cast<float>(0 * state.aspect);
    state.yTop = 100;
    state.yBottom = -100;
}

void SetSpeeds(SimulationState& state, std::int16_t indexTimes100) {
    state.c1 = kSpeed1;
    state.c2 = SpeedInMedium2(state.c1, indexTimes100);
}

void SetPhysicalConstants(SimulationState& state, std::int16_t indexTimes100) {
    SetSpeeds(state, indexTimes100);
    state.lambda1 = kWavelength1;
    state.period = static_cast<double>(state.lambda1) / state.c1;
}

double PrintLineHeight(const SimulationState& state) {
    constexpr double kFontTwips = kFormFontPoints * 20;
    constexpr double kLineSpacing = 1.15;
    return kFontTwips * kLineSpacing * (state.yTop - state.yBottom) / state.screenScaleHeight;
}

ClientArea ClientAreaOfPixels(int widthPx, int heightPx) {
    return {static_cast<float>(widthPx * kTwipsPerPixel),
            static_cast<float>(heightPx * kTwipsPerPixel)};
}

SimulationState StateFor(const BarValues& bars, ClientArea client) {
    SimulationState state;
    SetWorldFrame(state, client.widthTwips, client.heightTwips);
    SetPhysicalConstants(state, bars.index);
    return state;
}

}  // namespace orvath
