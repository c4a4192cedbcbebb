// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "support/scenes.h"
#include "support/trace_lines.h"
#include "wavelets/draw_wavelets.h"

namespace orvath::testing {

using Strings = std::vector<std::string>;
using Numbers = std::vector<double>;

// "kind:colour" per operation ("width N" for a pen width): what a block draws.
inline Strings Outline(const Strings& lines) {
    Strings outline;
    for (const auto& line : lines) {
        const Op op = ParseOp(line);
        outline.push_back(op.kind == "width" ? line : op.kind + ":" + op.colour);
    }
    return outline;
}

// A traced picture cut into the two reference lines, one block per ray (each
// starting with the redrawn boundary) and the dashed closing stage.
struct WaveletPicture {
    Strings all;
    std::vector<Strings> rays;
    Strings closing;
    Strings captions;

    // A ray's operations after its boundary line and red hit dot, without
    // the pen-width resets (checked on their own).
    Strings Phase(std::size_t ray) const {
        Strings phase;
        for (auto line = rays.at(ray).begin() + 4; line != rays.at(ray).end(); ++line) {
            if (*line != "width 1") {
                phase.push_back(*line);
            }
        }
        return phase;
    }
    std::vector<Op> PhaseOps(std::size_t ray) const { return ParseOps(Phase(ray)); }
    double HitX(std::size_t ray) const { return ParseOp(rays.at(ray).at(2))[0]; }
    std::vector<Op> ClosingLines() const {
        return ParseOps({closing.begin() + 1, closing.end() - 1});
    }
};

struct PictureOptions {
    std::int16_t criticalFlag = 0;  // -1 for the critical construction, whatever the bars
    int clientWidth = 1600;
    int clientHeight = 900;
};

// Draws on the start-up state, with C2 matching the index bar as the panel keeps
// it and the critical flag as given.
inline WaveletPicture DrawPicture(int angle, int index, int waves, int time,
                                  const PictureOptions& options = {}) {
    const BarValues bars{static_cast<std::int16_t>(angle), static_cast<std::int16_t>(index),
                         static_cast<std::int16_t>(waves), static_cast<std::int16_t>(time)};
    WaveletPicture picture;
    const Scene scene =
        FormScene(bars, options.clientWidth, options.clientHeight,
                  options.criticalFlag == -1 ? CriticalVerdict::Critical : CriticalVerdict::Less);
    picture.all = TraceLines([&](Surface& surface) {
        DrawWavelets(scene, surface,
                     [&](const std::string& text) { picture.captions.push_back(text); });
    });
    for (std::size_t i = 2; i < picture.all.size(); ++i) {
        const std::string& line = picture.all[i];
        if (!picture.closing.empty() || line == "style 1") {
            picture.closing.push_back(line);
        } else if (line == picture.all[0]) {
            picture.rays.push_back({line});
        } else {
            picture.rays.back().push_back(line);
        }
    }
    return picture;
}

// Geometry of the 16:9 view, worked out from the picture rather than from the
// renderer's steps: the start front runs through the top-left corner
// (kXLeft, 100) and ray 0 starts at the foot of the perpendicular from the
// bottom-left corner.
inline constexpr double kPi = std::numbers::pi;
inline constexpr double kXLeft = -355.555542;  // -200 * 16 / 9 in single precision
inline constexpr double kPiF = static_cast<float>(kPi);
inline constexpr double kTwoPiF = static_cast<float>(2 * kPi);

inline double Radians(int degrees) {
    return degrees * kPi / 180;
}

// Where the front j wavelengths (30) past the start front meets the boundary.
inline double FrontCut(int degrees, int j) {
    const double theta = Radians(degrees);
    return kXLeft - 100 / std::tan(theta) + j * 30 / std::sin(theta);
}

// Where ray 0 meets the boundary, and when the front gets there at C1 = 5.
inline double FirstRayHitX(int degrees) {
    return kXLeft - 100 * std::tan(Radians(degrees));
}
inline double FirstRayHitTime(int degrees) {
    const double c = std::cos(Radians(degrees));
    return (-100 + 200 * c * c) / c / 5;
}

}  // namespace orvath::testing
