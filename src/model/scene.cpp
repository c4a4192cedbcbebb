// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scene.h"

#include <cmath>

namespace orvath {

Scene MakeScene(const SimulationState& state, const BarValues& bars) {
    Scene scene;
    scene.bars = bars;
    scene.pi = state.pi;
    scene.c1 = state.c1;
    scene.c2 = state.c2;
    scene.lambda1 = state.lambda1;
    scene.period = state.period;
    scene.theta = scene.pi * bars.angle / 180;
    scene.sinTheta = std::sin(scene.theta);
    scene.sinRefraction = scene.sinTheta * scene.c2 / scene.c1;
    scene.verdict = TestCriticalAngle(state.pi, bars.angle, state.c2, state.c1);
    scene.xLeft = state.xLeft;
    scene.xRight = state.xRight;
    scene.yTop = state.yTop;
    scene.yBottom = state.yBottom;
    scene.lineHeight = static_cast<float>(PrintLineHeight(state));
    return scene;
}

Scene MakeScene(const BarValues& bars, ClientArea client) {
    return MakeScene(StateFor(bars, client), bars);
}

}  // namespace orvath
