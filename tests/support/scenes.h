// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "model/critical_angle.h"
#include "model/scene.h"
#include "model/world_frame.h"

namespace orvath::testing {

inline BarValues Bars(int angle, int index, int waves, int time) {
    return {static_cast<std::int16_t>(angle), static_cast<std::int16_t>(index),
            static_cast<std::int16_t>(waves), static_cast<std::int16_t>(time)};
}

// The scene the panel draws after start-up on a client area of the given
// size: C2 follows the index bar, and the critical flag the angle test
// unless one is given.
inline Scene FormScene(const BarValues& bars, int clientWidth = 1600, int clientHeight = 900,
                       std::optional<std::int16_t> criticalFlag = std::nullopt) {
    SimulationState state = StartupState(clientWidth, clientHeight);
    state.c2 = SpeedInMedium2(state.c1, bars.index);
    state.criticalFlag = criticalFlag.value_or(
        CriticalFlagFor(TestCriticalAngle(state.pi, bars.angle, state.c2, state.c1)));
    return MakeScene(state, bars);
}

}  // namespace orvath::testing
