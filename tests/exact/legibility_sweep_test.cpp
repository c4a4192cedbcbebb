// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "exact/exact_view.h"
#include "support/scenes.h"
#include "surface/display_list.h"
#include "surface/picture_fonts.h"
#include "surface/theme.h"
#include "surface/view_clip.h"

namespace orvath::exact {
namespace {

// A text as the face's metrics put it: its advance and its ascent and descent.
ViewRect TextBox(const DrawOp& op, const std::string& text) {
    const double width = LabelTextWidthEm(text) * op.font;
    const double height = (kLabelAscentEm + kLabelDescentEm) * op.font;
    return {op.x1, op.y1 - height, op.x1 + width, op.y1};
}

bool Overlap(const ViewRect& a, const ViewRect& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

bool Holds(const ViewRect& outer, const ViewRect& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.bottom >= outer.bottom &&
           inner.top <= outer.top;
}

ViewRect Rect(const DrawOp& op) {
    return {std::min(op.x1, op.x2), std::min(op.y1, op.y2), std::max(op.x1, op.x2),
            std::max(op.y1, op.y2)};
}

// Whether the operation puts ink or paper inside the box.
bool Marks(const DrawOp& op, const ViewRect& box, double unitsPerPixel) {
    switch (op.kind) {
        case DrawOp::Kind::Line:
            return ClipSegment({op.x1, op.y1, op.x2, op.y2}, box).has_value();
        case DrawOp::Kind::Circle: {
            constexpr double kTurn = 2 * std::numbers::pi;
            double sweep = op.end - op.start;
            sweep = sweep <= 0 ? sweep + kTurn : std::min(sweep, kTurn);
            return VisibleArcSpans(op.x1, op.y1, op.x2, {op.start, sweep}, box).count > 0;
        }
        case DrawOp::Kind::PSet:
            return Overlap(Expanded({op.x1, op.y1, op.x1, op.y1}, op.width * unitsPerPixel / 2,
                                    op.width * unitsPerPixel / 2),
                           box);
        case DrawOp::Kind::Backing:
            return Overlap(Rect(op), box);
        case DrawOp::Kind::Print:
            break;
    }
    return false;
}

struct Setting {
    int width;
    int height;
    Theme theme;
    DisplayMode picture;
    int angle;
    int index;
    int waves;
    int time;
    bool reflection;
};

std::string Name(const Setting& s) {
    return std::to_string(s.width) + "x" + std::to_string(s.height) +
           (s.theme == Theme::Projector ? " projector " : " ") +
           (s.picture == DisplayMode::Wavelets ? "wavelets " : "beam ") + std::to_string(s.angle) +
           "° n " + std::to_string(s.index) + " waves " + std::to_string(s.waves) + " time " +
           std::to_string(s.time) + (s.reflection ? " reflection" : "");
}

// What is wrong with the texts of one picture: ink too pale for its
// background, a text smaller than the rule,
// outside the frame or under the panel's controls, on another text, crossed
// by anything drawn after it, or crossed by a line drawn before it that no
// backing in between covers.
std::string Fault(const Setting& s, const DisplayList& list, const Scene& scene) {
    const std::span<const DrawOp> ops = list.Ops();
    const double frameHeight = scene.yTop - scene.yBottom;
    const double unitsPerPixel = frameHeight / s.height;
    const double share = s.theme == Theme::Projector ? 0.033 : 0.022;
    const ViewRect frame{scene.xLeft, static_cast<double>(scene.yBottom), scene.xRight,
                         static_cast<double>(scene.yTop)};
    const ViewRect controls{scene.controls.left, scene.controls.bottom, scene.controls.right,
                            scene.controls.top};
    std::vector<std::pair<std::size_t, ViewRect>> texts;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        // Ink stands out from the paper: lines 3:1, texts (in the
        // foreground colour) 4.5:1, in the theme.
        const bool ink = ops[i].kind != DrawOp::Kind::Backing;
        const double least = ops[i].kind == DrawOp::Kind::Print ? 4.5 : 3;
        if (ink && ContrastRatio(ThemeColour(s.theme, ops[i].colour), kBackgroundRgb) < least) {
            return "op " + std::to_string(i) + " is too pale";
        }
        if (ops[i].kind != DrawOp::Kind::Print) {
            continue;
        }
        const std::string& text = list.Texts()[static_cast<std::size_t>(ops[i].text)];
        const ViewRect box = TextBox(ops[i], text);
        const double px = ops[i].font / unitsPerPixel;
        if (px < std::max(12.0, share * s.height) * (1 - 1e-6)) {
            return "'" + text + "' is " + std::to_string(px) + " px";
        }
        if (!Holds(frame, box) || Overlap(box, controls)) {
            return "'" + text + "' is off the free picture";
        }
        for (const auto& [other, otherBox] : texts) {
            if (Overlap(box, otherBox)) {
                return "'" + text + "' lies on '" +
                       list.Texts()[static_cast<std::size_t>(ops[other].text)] + "'";
            }
        }
        for (std::size_t j = 0; j < ops.size(); ++j) {
            // Paper under a text is what it is printed on.
            const bool paperUnder = j < i && ops[j].kind == DrawOp::Kind::Backing;
            if (j == i || paperUnder || !Marks(ops[j], box, unitsPerPixel)) {
                continue;
            }
            if (j > i) {
                return "'" + text + "' is crossed by op " + std::to_string(j) + " drawn after it";
            }
            const bool covered =
                std::any_of(ops.begin() + static_cast<long>(j) + 1,
                            ops.begin() + static_cast<long>(i), [&](const DrawOp& b) {
                                return b.kind == DrawOp::Kind::Backing && Holds(Rect(b), box);
                            });
            if (!covered) {
                return "'" + text + "' is crossed by op " + std::to_string(j) + " with no backing";
            }
        }
        texts.emplace_back(i, box);
    }
    return texts.empty() ? "no text at all" : "";
}

// Every size from 1024x768 up, both themes, both pictures, angles across the
// range with the critical ones, indices either side of 1 and of the media
// pairs, wave counts either side of the arrowheads' thinning, early and late
// times, the reflected wave shown and hidden.
TEST(LegibilitySweep, NoTextIsSmallCrossedOrOnAnother) {
    const std::pair<int, int> sizes[] = {{1024, 768},  {1280, 720},  {1366, 768},
                                         {1920, 1080}, {1080, 1920}, {3840, 2160}};
    std::string faults;
    int faulty = 0;
    int pictures = 0;
    DisplayList list;
    for (const auto& [width, height] : sizes) {
        for (const Theme theme : {Theme::Classic, Theme::Projector}) {
            for (const DisplayMode picture : {DisplayMode::Wavelets, DisplayMode::Continuous}) {
                for (const int angle : {0, 1, 10, 25, 30, 40, 48, 60, 75, 80, 89}) {
                    for (const int index : {50, 67, 89, 100, 133, 300}) {
                        for (const int waves : {5, 20, 21, 39}) {
                            for (const int time : {0, 700, 2500, 5000}) {
                                const Setting s{width,   height, theme,
                                                picture, angle,  index,
                                                waves,   time,   (angle + waves + time) % 3 == 0};
                                const Scene scene = testing::FormScene(
                                    testing::Bars(angle, index, waves, time), width, height);
                                list.Cls();
                                DrawExactPicture(scene, {picture, s.reflection, true, theme}, list);
                                ++pictures;
                                const std::string fault = Fault(s, list, scene);
                                if (!fault.empty() && ++faulty <= 10) {
                                    faults += Name(s) + ": " + fault + "\n";
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(faulty, 0) << "of " << pictures << " pictures:\n" << faults;
}

}  // namespace
}  // namespace orvath::exact
