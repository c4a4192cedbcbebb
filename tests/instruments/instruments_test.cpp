// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "instruments/instruments.h"
#include "surface/display_list.h"
#include "surface/picture_fonts.h"

namespace orvath::instruments {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
const WorldBounds kFrame{-355.5, 0, 100, -100};

// Laid on a hit point with its zero line along the normal, the protractor
// reads the angle of incidence on the incident ray and the angle of
// refraction on the refracted one, to half a degree, however it was turned
// there from any start.
TEST(Instruments, TheProtractorReadsBothAnglesOffTheRays) {
    for (int angle = 0; angle <= 89; angle += 7) {
        for (const double index : {0.5, 1.0, 1.33, 3.0}) {
            const double sine2 = std::sin(angle * kDegree) / index;
            Protractor p = StartProtractor(kFrame);
            p.turn = 0.7;
            // The student turns it back by its rim and lays it on the point.
            p = Dragged(p, Grip::TurnProtractor,
                        {p.centre.x + p.radius * std::cos(std::numbers::pi / 2 + 0.7),
                         p.centre.y + p.radius * std::sin(std::numbers::pi / 2 + 0.7)},
                        {p.centre.x, p.centre.y + p.radius});
            p = Dragged(p, Grip::MoveProtractor, p.centre, {-120, 0});
            const Point incoming{-120 - 50 * std::sin(angle * kDegree),
                                 50 * std::cos(angle * kDegree)};
            EXPECT_NEAR(Reading(p, incoming), angle, 0.5) << angle << " " << index;
            if (sine2 <= 1) {
                const Point refracted{-120 + 50 * sine2, -50 * std::sqrt(1 - sine2 * sine2)};
                EXPECT_NEAR(Reading(p, refracted), std::asin(sine2) / kDegree, 0.5);
            }
        }
    }
}

// The marks stand where they are read: every degree a mark, the tens
// labelled 0 to 90 both ways from the zero line; the ruler marked every unit
// with its tens labelled, so that a wave's length of 30 units reads 30.
TEST(Instruments, MarksAndLabelsStandWhereTheyAreRead) {
    DisplayList list;
    Protractor p = StartProtractor(kFrame);
    p.turn = 0.3;
    DrawProtractor(p, 4.4, list);
    int marks = 0;
    int labels = 0;
    for (const DrawOp& op : list.Ops()) {
        const bool mark = std::hypot(op.x2 - op.x1, op.y2 - op.y1) < p.radius;
        if (op.kind == DrawOp::Kind::Line && mark &&
            std::hypot(op.x1 - p.centre.x, op.y1 - p.centre.y) > p.radius - 0.01) {
            // Radial, from the rim inwards.
            const double outer = std::atan2(op.y1 - p.centre.y, op.x1 - p.centre.x);
            const double inner = std::atan2(op.y2 - p.centre.y, op.x2 - p.centre.x);
            EXPECT_NEAR(std::remainder(outer - inner, 2 * std::numbers::pi), 0, 1e-4);
            ++marks;
        } else if (op.kind == DrawOp::Kind::Print) {
            const int value = std::stoi(list.Texts()[static_cast<std::size_t>(op.text)]);
            const Point centre{op.x1 + 0.5 * 4.4, op.y1 - 0.5 * 4.4};
            EXPECT_NEAR(Reading(p, centre), value, 5) << value;
            ++labels;
        }
    }
    EXPECT_GE(marks, 360);
    EXPECT_EQ(labels, 36);

    DisplayList ruled;
    const Ruler r = StartRuler(kFrame);
    DrawRuler(r, 4.4, ruled);
    std::vector<double> ticks;
    for (const DrawOp& op : ruled.Ops()) {
        if (op.kind == DrawOp::Kind::Line && std::abs(op.y1 - r.start.y) < 1e-3 &&
            std::abs(op.y2 - r.start.y) > 1e-3 && std::abs(op.y2 - op.y1) < 1.5 * 4.4) {
            ticks.push_back(op.x1 - r.start.x);
        } else if (op.kind == DrawOp::Kind::Print) {
            const std::string& text = ruled.Texts()[static_cast<std::size_t>(op.text)];
            const double middle = op.x1 + LabelTextWidthEm(text) * 4.4 / 2;
            EXPECT_NEAR(middle - r.start.x, std::stoi(text), 1e-3) << text;
        }
    }
    ASSERT_EQ(ticks.size(), 101u);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_NEAR(ticks[i], static_cast<double>(i), 1e-3);
    }
}

// A press grips what is under it, and a drag does what the grip says; an
// instrument dragged off the picture comes back into view, and a centre
// dropped near the boundary lands on the nearest hit point.
TEST(Instruments, GripsDragsAndTheFrame) {
    const Protractor p{{-100, 0}, 0, 60};
    const Ruler r{{-300, -80}, {-200, -80}};
    const struct {
        Point at;
        Grip grip;
    } presses[] = {
        {{-300, -80}, Grip::RulerStart},   {{-200.5, -80}, Grip::RulerEnd},
        {{-250, -80.5}, Grip::MoveRuler},  {{-100, 59}, Grip::TurnProtractor},
        {{-110, 5}, Grip::MoveProtractor}, {{-10, 90}, Grip::None},
    };
    for (const auto& press : presses) {
        EXPECT_EQ(GripAt(&p, &r, press.at, 1.5), press.grip) << press.at.x << "," << press.at.y;
    }
    EXPECT_EQ(GripAt(nullptr, nullptr, {-100, 0}, 1.5), Grip::None);
    // Stretching keeps the other end; turning about it keeps the length.
    const Ruler stretched = Dragged(r, Grip::RulerEnd, r.end, {-150, -80});
    EXPECT_EQ(stretched.start, r.start);
    EXPECT_NEAR(stretched.end.x, -150, 1e-9);
    const Ruler turned = Dragged(r, Grip::RulerEnd, r.end, {-300, 20});
    EXPECT_NEAR(std::hypot(turned.end.x - r.start.x, turned.end.y - r.start.y), 100, 1e-9);
    EXPECT_NEAR(std::hypot(Dragged(r, Grip::RulerStart, r.start, r.end).start.x - r.end.x, 0), 10,
                1e-9)
        << "never shorter than ten units";
    // Off the picture and back.
    const Protractor away =
        KeptInFrame(Dragged(p, Grip::MoveProtractor, p.centre, {900, 500}), kFrame);
    EXPECT_LE(away.centre.x, kFrame.right);
    EXPECT_LE(away.centre.y, kFrame.top);
    const Ruler lost = KeptInFrame(Dragged(r, Grip::MoveRuler, r.start, {-2000, -400}), kFrame);
    EXPECT_GE(std::min(lost.start.x, lost.end.x), kFrame.left);
    EXPECT_GE(std::min(lost.start.y, lost.end.y), kFrame.bottom);
    const double hits[] = {-150, -120, -90};
    EXPECT_EQ(Snapped({-118, 3}, hits, 5), (Point{-120, 0}));
    EXPECT_EQ(Snapped({-118, 30}, hits, 5), (Point{-118, 30}));
}

}  // namespace
}  // namespace orvath::instruments
