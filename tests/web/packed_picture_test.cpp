// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "web/packed_picture.h"

namespace orvath::web {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Rgb kRed{255, 0, 0};

// Records as a list of numbers, tags included.
using Records = std::vector<float>;
constexpr float kPen = 0, kLine = 1, kArc = 2, kDot = 3, kText = 4;

// A 200 x 200 pixel area over the world x -200..0, y 100..-100: one pixel per
// unit, pixel x = world x + 200, pixel y = 100 - world y.
PackedPicture Pack(const std::function<void(Surface&)>& draw) {
    DisplayList list;
    list.Scale(-200, 100, 0, -100);
    draw(list);
    PackedPicture packed;
    PackPicture(list, 200, 200, packed);
    return packed;
}

TEST(PackedPicture, MapsCutsAndTagsEveryKindOfOperation) {
    // The circle about the area's right edge: what lies within the pen's
    // margin (width 1 + 1 pixel of fringe) of the area is kept.
    const float edge = std::acos(2.0f / 50);
    struct Case {
        const char* name;
        std::function<void(Surface&)> draw;
        Records expected;
    };
    const Case cases[] = {
        {"a line inside",
         [](Surface& s) { s.Line(-150, 50, -50, -50); },
         {kPen, -1, 1, 0, kLine, 50, 50, 150, 150}},
        {"a line cut at the margin",
         [](Surface& s) { s.Line(-300, 0, -100, 0); },
         {kPen, -1, 1, 0, kLine, -2, 100, 100, 100}},
        {"a line outside, without its pen", [](Surface& s) { s.Line(10, 0, 50, 0); }, {}},
        {"one pen record per change of pen",
         [](Surface& s) {
             s.Line(-150, 0, -140, 0);
             s.Line(-130, 0, -120, 0);
             s.DrawWidth(3);
             s.DrawStyle(LineStyle::Dashed);
             s.Line(-110, 0, -100, 0, kRed);
         },
         {kPen, -1,  1,    0,        kLine, 50, 100,   60, 100, kLine, 70, 100,
          80,   100, kPen, 0xff0000, 3,     1,  kLine, 90, 100, 100,   100}},
        {"width 0 paints as 1",
         [](Surface& s) {
             s.DrawWidth(0);
             s.PSet(-100, 0);
         },
         {kPen, -1, 1, 0, kDot, 100, 100}},
        {"a dot outside", [](Surface& s) { s.PSet(5, 0); }, {}},
        {"an arc turns anticlockwise with y down",
         [](Surface& s) { s.Circle(-100, 0, 10, 0, kPi / 2); },
         {kPen, -1, 1, 0, kArc, 100, 100, 10, 0, -kPi / 2}},
        {"an arc ending before its start goes round",
         [](Surface& s) { s.Circle(-100, 0, 10, kPi, 0); },
         {kPen, -1, 1, 0, kArc, 100, 100, 10, -kPi, -2 * kPi}},
        {"a circle cut at the right edge",
         [](Surface& s) { s.Circle(0, 0, 50, 0, 2 * kPi); },
         {kPen, -1, 1, 0, kArc, 200, 100, 50, -edge, -(2 * kPi - edge)}},
        {"texts at their top-left corners",
         [](Surface& s) {
             s.SetCurrent(-190, 90);
             s.Print("A");
             s.SetCurrent(-100, 0);
             s.Print("BC");
         },
         {kText, 10, 10, 0, kText, 100, 100, 1}},
    };
    for (const Case& c : cases) {
        const Records records = Pack(c.draw).records;
        ASSERT_EQ(records.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_NEAR(records[i], c.expected[i], 1e-4) << c.name << ", field " << i;
        }
    }
}

TEST(PackedPicture, KeepsEveryTextEndedByALineFeed) {
    const PackedPicture packed = Pack([](Surface& s) {
        s.Print("CRITICAL");
        s.Print("");
        s.Print("TIME= 20.00 * T");
    });
    EXPECT_EQ(packed.texts, "CRITICAL\n\nTIME= 20.00 * T\n");
}

}  // namespace
}  // namespace orvath::web
