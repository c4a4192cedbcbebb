// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "continuous/beam.h"
#include "continuous/draw_continuous.h"
#include "support/scenes.h"
#include "support/trace_lines.h"

namespace orvath {
namespace {

using testing::Op;
using testing::ParseOp;
using testing::TraceLines;

// The continuous picture, parsed, in the start-up frame of a 1600x900 client
// area: x from -200 * 16 / 9 to 0, y from 100 to -100.
std::vector<Op> Picture(std::int16_t angle, std::int16_t index, std::int16_t waves,
                        std::int16_t time) {
    const Scene scene = testing::FormScene({angle, index, waves, time});
    return testing::ParseOps(TraceLines([&](Surface& s) { DrawContinuous(scene, s); }));
}

std::vector<Op> Select(const std::vector<Op>& ops, const std::string& word,
                       const std::string& colour) {
    std::vector<Op> found;
    for (const auto& op : ops) {
        if (op.kind == word && op.colour == colour) {
            found.push_back(op);
        }
    }
    return found;
}

// Same operations and colours, every number within 5e-4.
void ExpectNear(const std::vector<Op>& actual, const std::vector<Op>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE("operation " + std::to_string(k + 1) + ": " + expected[k].kind);
        EXPECT_EQ(actual[k].kind, expected[k].kind);
        EXPECT_EQ(actual[k].colour, expected[k].colour);
        ASSERT_EQ(actual[k].numbers.size(), expected[k].numbers.size());
        for (std::size_t j = 0; j < expected[k].numbers.size(); ++j) {
            EXPECT_NEAR(actual[k].numbers[j], expected[k].numbers[j], 5e-4) << "number " << j;
        }
    }
}

constexpr double kXLeft = -200.0 * 16 / 9;
constexpr double kBeamX = 0.75 * kXLeft;  // a quarter of the width from the left
constexpr double kPi = 3.14159265358979;

const double kRoot3 = std::sqrt(3.0);
const std::string kCyan = "0,155,155";

// x where the left edge ray meets the boundary: the beam is 3 trace
// wavelengths (90 / sin) wide along the boundary, centred on the central ray.
double LeftHitX(double angleDeg) {
    const double theta = angleDeg * kPi / 180;
    return kBeamX - 45 / std::sin(theta) + 100 * std::tan(theta);
}

// The lower half circles centred on the boundary (the medium-2 wavelets).
std::vector<Op> LowerHalves(const std::vector<Op>& ops) {
    std::vector<Op> found;
    for (const auto& op : Select(ops, "circle", "fg")) {
        if (op.numbers[1] == 0 && std::abs(op.numbers[3] - kPi) < 1e-6) {
            found.push_back(op);
        }
    }
    return found;
}

// 30 degrees, index 1.50, 5 waves, time 1.4 periods, by hand: `FrontStep` 15,
// `RayShift` 100 / sqrt(3), the edge rays 90 either side of the central one.
// The points lie 22.5 apart in x and 7.5 sqrt(3) in y. Time T = 8.4, so the
// medium-1 radius is 42, C2 = 10/3 and the left-edge radius 28.
TEST(ContinuousPicture, WholeTraceAtThirtyDegrees) {
    const double shift = 100 / kRoot3, hit = LeftHitX(30), top = 2000.0 / 3, pi = kPi;
    const std::string red = "255,0,0", blue = "0,0,250";
    std::vector<Op> expected;
    for (int i = 0; i < 5; ++i) {
        expected.push_back({"width", {5}, ""});
        expected.push_back({"pset", {hit + 22.5 * i, 7.5 * kRoot3 * i}, red});
        expected.push_back({"width", {1}, ""});
        // Half a wavelength on is 7.5 sqrt(3) lower: below the boundary for
        // point 0. For point 1 it is on it: the stored height 12.9903812 is
        // above 7.5 sqrt(3) = 12.99038106, so that dot is drawn.
        if (i > 0) {
            expected.push_back({"pset", {hit + 22.5 * i + 7.5, 7.5 * kRoot3 * (i - 1)}, red});
        }
    }
    // Point 3 is cut at the boundary where its radius makes acos(y / r) with
    // the downward vertical.
    const double cut = std::acos(22.5 * kRoot3 / 42);
    const std::vector<Op> rest = {
        {"line", {kXLeft, 0, 0, 0}, "fg"},
        {"line", {0, -100, 0, 100}, "fg"},
        {"line", {kBeamX, 100, kBeamX + shift, 0}, red},
        {"line", {kBeamX - 90, 100, hit, 0}, "155,0,0"},
        {"line", {kBeamX + 90, 100, kBeamX + 90 + shift, 0}, "155,0,0"},
        {"style", {2}, ""},
        {"line", {kBeamX + shift, 0, kBeamX + 21 * shift, top}, blue},
        {"style", {0}, ""},
        {"line", {hit, 0, hit + 20 * shift, top}, blue},
        {"style", {0}, ""},
        {"line", {kBeamX + 90 + shift, 0, kBeamX + 90 + 21 * shift, top}, blue},
        {"style", {0}, ""},
        {"circle", {hit, 0, 28, pi, 2 * pi}, "fg"},
        // Refraction sine 1/3: the tangent point lies 28 along the refracted
        // ray; both fronts meet the boundary 42 / sin 30 = 84 on.
        {"line", {hit + 28.0 / 3, -28 * std::sqrt(8.0) / 3, hit + 84, 0}, kCyan},
        {"line", {hit + 84, 0, hit + 84 + 20 * shift, top}, kCyan},
        // Points 0 to 2 have crossed: wavelets born 15 and 1.5 T apart.
        {"circle", {hit, 0, 28, pi, 2 * pi}, "fg"},
        {"circle", {hit + 15, 0, 23, pi, 2 * pi}, "fg"},
        {"circle", {hit + 30, 0, 18, pi, 2 * pi}, "fg"},
        {"circle", {hit + 67.5, 22.5 * kRoot3, 42, 7 * pi / 6, 1.5 * pi - cut}, "fg"},
        {"circle", {hit + 67.5, 22.5 * kRoot3, 42, 1.5 * pi + cut, 2 * pi}, "fg"},
        {"circle", {hit + 67.5, 22.5 * kRoot3, 42, 0, pi / 6}, "fg"},
        {"circle", {hit + 90, 30 * kRoot3, 42, 7 * pi / 6, 2 * pi}, "fg"},
        {"circle", {hit + 90, 30 * kRoot3, 42, 0, pi / 6}, "fg"},
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    ExpectNear(Picture(30, 150, 5, 140), expected);
}

// The edges sit 1.5 trace wavelengths (90 at 30 degrees) either side of the
// central ray whatever the number of waves; 6 waves give steps of 12 and a
// half span of 7.5 steps, not 7. Only the number of front points changes.
TEST(ContinuousPicture, BeamEdgesDoNotDependOnTheNumberOfWaves) {
    EXPECT_EQ(continuous::ComputeBeam(testing::FormScene({30, 150, 6, 140})).halfSpan, 7.5);
    const double shift = 100 / kRoot3, hit = LeftHitX(30);
    for (const std::int16_t waves : {5, 6, 7, 39}) {
        SCOPED_TRACE("waves " + std::to_string(waves));
        const auto ops = Picture(30, 150, waves, 140);
        ExpectNear(Select(ops, "line", "155,0,0"),
                   {{"line", {kBeamX - 90, 100, hit, 0}, "155,0,0"},
                    {"line", {kBeamX + 90, 100, kBeamX + 90 + shift, 0}, "155,0,0"}});
        const auto wide = std::count_if(ops.begin(), ops.end(), [](const Op& op) {
            return op.kind == "width" && op.numbers[0] == 5;
        });
        EXPECT_EQ(wide, waves);
        ASSERT_GE(ops.size(), 2u);
        ExpectNear({ops[1]}, {{"pset", {hit, 0}, "255,0,0"}});
    }
}

// Point 0 lies on the boundary: no small dot, and for Time > 0 its medium-2
// wavelet is the left-edge half circle again.
TEST(ContinuousPicture, PointZeroSitsOnTheBoundary) {
    for (const std::int16_t angle : {1, 40, 55, 89}) {
        SCOPED_TRACE("angle " + std::to_string(angle));
        const auto ops = Picture(angle, angle == 55 ? 80 : 300, 8, 1);
        ASSERT_GE(ops.size(), 4u);
        ASSERT_GE(ops[1].numbers.size(), 2u);
        EXPECT_EQ(ops[1].numbers[1], 0);
        EXPECT_EQ(ops[3].kind, "width") << "a small dot follows point 0";
        const auto halves = LowerHalves(ops);
        ASSERT_GE(halves.size(), 2u);
        ExpectNear({halves[1]}, {halves[0]});
    }
}

TEST(ContinuousPicture, TimeZeroDrawsOnlyALeftEdgeWaveletOfRadiusZero) {
    const auto ops = Picture(40, 150, 10, 0);
    ExpectNear(Select(ops, "circle", "fg"), {{"circle", {LeftHitX(40), 0, 0, kPi, 2 * kPi}, "fg"}});
    EXPECT_TRUE(Select(ops, "line", kCyan).empty());
}

// Wavelets cut at the boundary (case B), away from the left-edge one.
std::vector<Op> CutArcs(const std::vector<Op>& ops) {
    std::vector<Op> found;
    for (const auto& op : Select(ops, "circle", "fg")) {
        if (op.numbers[1] != 0 && op.numbers[1] < op.numbers[2]) {
            found.push_back(op);
        }
    }
    return found;
}

// 60 degrees, 5 waves, time 1.6: `FrontStep` 5 sqrt(3), point 4 at height 30,
// 10 sqrt(3) right of the left hit. Radius 48 reaches the boundary (30 < 48)
// but not along the ray (30 > 48 cos 60): the first arc starts at 4 pi / 3,
// above its end, and runs through angle 0.
TEST(ContinuousPicture, CutWaveletAboveFortyFiveDegreesWrapsThroughAngleZero) {
    const double x = LeftHitX(60) + 10 * kRoot3, cut = std::acos(30.0 / 48);
    const auto arcs = CutArcs(Picture(60, 100, 5, 160));
    ExpectNear(arcs, {{"circle", {x, 30, 48, 4 * kPi / 3, 1.5 * kPi - cut}, "fg"},
                      {"circle", {x, 30, 48, 1.5 * kPi + cut, 2 * kPi}, "fg"},
                      {"circle", {x, 30, 48, 0, kPi / 3}, "fg"}});
    EXPECT_GT(arcs[0].numbers[3], arcs[0].numbers[4]);
}

// 30 degrees, 5 waves, time 1: point 2 at height 15 sqrt(3) is exactly where
// radius 30 reaches along its ray. Its stored height 25.9807625 is above
// 15 sqrt(3) = 25.98076211, so it has not crossed: its wavelet is cut where
// the radius makes 30 degrees with the downward vertical.
TEST(ContinuousPicture, StoredSinglePrecisionHeightDecidesTheCase) {
    const double x = LeftHitX(30) + 45, y = 15 * kRoot3;
    ExpectNear(CutArcs(Picture(30, 150, 5, 100)),
               {{"circle", {x, y, 30, 7 * kPi / 6, 4 * kPi / 3}, "fg"},
                {"circle", {x, y, 30, 5 * kPi / 3, 2 * kPi}, "fg"},
                {"circle", {x, y, 30, 0, kPi / 6}, "fg"}});
}

// Beyond the critical angle (sin 55 / 0.8 = 1.02) there is no refracted front
// but the medium-2 wavelets remain: at time 1 points 0 to 4 have crossed,
// C2 = 6.25 and wavelet i has grown for 6 - 2i/3. At the critical angle
// itself (30 degrees, index 0.50) sin 30 computes one step below 1/2, so the
// front is drawn, grazing the boundary 60 past the left hit.
TEST(ContinuousPicture, CriticalAngleAndBeyond) {
    const auto beyond = Picture(55, 80, 10, 100);
    EXPECT_TRUE(Select(beyond, "line", kCyan).empty());
    const auto halves = LowerHalves(beyond);
    ASSERT_EQ(halves.size(), 6u);
    const double step = 30 / std::sin(55 * kPi / 180) / 9;
    for (int i = 0; i < 5; ++i) {
        ExpectNear({halves[i + 1]},
                   {{"circle",
                     {LeftHitX(55) + i * step, 0, 6.25 * (6 - 2.0 * i / 3), kPi, 2 * kPi},
                     "fg"}});
    }

    const double meet = LeftHitX(30) + 60;
    const auto critical = Picture(30, 50, 10, 100);
    ExpectNear(Select(critical, "line", kCyan),
               {{"line", {meet, 0, meet, 0}, kCyan},
                {"line", {meet, 0, meet + 2000 / kRoot3, 2000.0 / 3}, kCyan}});
    EXPECT_EQ(LowerHalves(critical).size(), 6u);
}

// The refracted front is the common tangent of the medium-2 wavelets; at index
// 1.00 it continues the incident front in a straight line.
TEST(ContinuousPicture, RefractedFrontTouchesEveryMediumTwoWavelet) {
    const std::vector<std::vector<std::int16_t>> cases = {{30, 150, 5, 140},
                                                          {40, 150, 10, 150},
                                                          {70, 120, 39, 2000},
                                                          {15, 300, 20, 4000},
                                                          {50, 100, 10, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE("angle " + std::to_string(c[0]) + " index " + std::to_string(c[1]));
        const auto ops = Picture(c[0], c[1], c[2], c[3]);
        const auto fronts = Select(ops, "line", kCyan);
        ASSERT_EQ(fronts.size(), 2u);
        const auto& f = fronts[0].numbers;
        const double dx = f[2] - f[0], dy = f[3] - f[1];
        for (const auto& half : LowerHalves(ops)) {
            const double distance =
                std::abs(dx * (half.numbers[1] - f[1]) - dy * (half.numbers[0] - f[0]));
            EXPECT_NEAR(distance / std::hypot(dx, dy), half.numbers[2],
                        1e-3 * (1 + half.numbers[2]));
        }
        if (c[1] == 100) {
            const auto& g = fronts[1].numbers;
            EXPECT_NEAR(dy / dx, (g[3] - g[1]) / (g[2] - g[0]), 1e-5);
        }
    }
}

TEST(ContinuousPicture, AngleZeroDrawsOnlyTheAxes) {
    const auto lines = TraceLines([&](Surface& s) {
        DrawContinuous(testing::FormScene({0, 150, 10, 1500}), s);
    });
    ASSERT_EQ(lines.size(), 2u);
    ExpectNear({ParseOp(lines[0]), ParseOp(lines[1])},
               {{"line", {kXLeft, 0, 0, 0}, "fg"}, {"line", {0, -100, 0, 100}, "fg"}});
}

}  // namespace
}  // namespace orvath
