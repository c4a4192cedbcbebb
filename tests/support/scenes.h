// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "model/scene.h"
#include "model/world_frame.h"

namespace orvath::testing {

inline BarValues Bars(int angle, int index, int waves, int time) {
    return {static_cast<std::int16_t>(angle), static_cast<std::int16_t>(index),
            static_cast<std::int16_t>(waves), static_cast<std::int16_t>(time)};
}

// The state after start-up on a client area of that many pixels.
inline SimulationState StartupState(int clientWidth, int clientHeight) {
    return StateFor(StartValues(), ClientAreaOfPixels(clientWidth, clientHeight));
}

// The scene the panel draws after start-up on a client area of the given
// size, with the critical-angle test's verdict unless one is given.
inline Scene FormScene(const BarValues& bars, int clientWidth = 1600, int clientHeight = 900,
                       std::optional<CriticalVerdict> verdict = std::nullopt) {
    Scene scene = MakeScene(bars, ClientAreaOfPixels(clientWidth, clientHeight));
    scene.verdict = verdict.value_or(scene.verdict);
    return scene;
}

}  // namespace orvath::testing
