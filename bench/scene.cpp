// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/scene.h"

#include "continuous/draw_continuous.h"
#include "exact/exact_view.h"
#include "model/world_frame.h"
#include "wavelets/draw_wavelets.h"

namespace orvath::bench {
namespace {

BarValues BarsOf(const Setting& s) {
    return {static_cast<std::int16_t>(s.angle), static_cast<std::int16_t>(s.index),
            static_cast<std::int16_t>(s.waves), static_cast<std::int16_t>(s.time)};
}

}  // namespace

Scene PrepareScene(const Setting& setting, DisplayList& list) {
    const Scene scene = MakeScene(BarsOf(setting), ClientAreaOfPixels(kClientWidth, kClientHeight));
    list.Scale(scene.xLeft, scene.yTop, scene.xRight, scene.yBottom);
    return scene;
}

void Redraw(const Setting& setting, const Scene& scene, DisplayList& list) {
    list.Cls();
    if (setting.exact) {
        exact::DrawExactPicture(scene, {setting.mode, true}, list);
        return;
    }
    if (setting.mode == DisplayMode::Continuous) {
        DrawContinuous(scene, list);
        return;
    }
    std::string caption;
    DrawWavelets(scene, list, [&caption](const std::string& text) { caption = text; });
}

std::string Name(const Setting& s) {
    return std::string(s.exact ? "exact/" : "") +
           (s.mode == DisplayMode::Continuous ? "continuous" : "wavelets") + "/a" +
           std::to_string(s.angle) + "/n" + std::to_string(s.index) + "/w" +
           std::to_string(s.waves) + "/t" + std::to_string(s.time);
}

}  // namespace orvath::bench
