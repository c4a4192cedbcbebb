// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/scene.h"

#include <algorithm>
#include <cmath>

#include "model/panel_layout.h"

namespace orvath {
namespace {

// The window and the page put up to five controls of their own to the right
// of "WAVELETS" (the view switches, the page's actions), each two thirds as
// wide.
constexpr double kBesideWavelets = 5 * 2.0 / 3;

WorldBounds ControlsArea(const PanelLayout& layout) {
    WorldBounds area{1e30, -1e30, -1e30, 1e30};
    const auto add = [&area](double left, double top, double width, double height) {
        area.left = std::min(area.left, left);
        area.right = std::max(area.right, left + width);
        area.top = std::max(area.top, top);
        area.bottom = std::min(area.bottom, top - height);
    };
    for (const ControlRect& r : layout) {
        add(r.left, r.top, r.width, r.height);
    }
    const ControlRect& wavelets = At(layout, Control::WaveletsOption);
    add(wavelets.left, wavelets.top, wavelets.width * (1 + kBesideWavelets), wavelets.height);
    return area;
}

}  // namespace

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
    scene.heightPx = state.screenScaleHeight / kTwipsPerPixel;
    scene.controls = ControlsArea(LayOutPanel(state));
    return scene;
}

Scene MakeScene(const BarValues& bars, ClientArea client) {
    return MakeScene(StateFor(bars, client), bars);
}

}  // namespace orvath
