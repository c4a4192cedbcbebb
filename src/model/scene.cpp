// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scene.h"

#include <cmath>

namespace orvath {

Scene MakeScene(const SimulationState& state, const BarValues& bars) {
    Scene scene;
    scene.bars = bars;
    scene.pi = state.Pi;
    scene.c1 = state.C1;
    scene.c2 = state.C2;
    scene.lambda1 = state.Lambda1;
    scene.period = state.Period;
    scene.theta = scene.pi * bars.angle / 180;
    scene.sinTheta = std::sin(scene.theta);
    scene.sinRefraction = scene.sinTheta * scene.c2 / scene.c1;
    scene.critical = state.CriticalFlag == -1;
    scene.xLeft = state.XLeft;
    scene.xRight = state.XRight;
    scene.yTop = state.YTop;
    scene.yBottom = state.YBottom;
    return scene;
}

}  // namespace orvath
