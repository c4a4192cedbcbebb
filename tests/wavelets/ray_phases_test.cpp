// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "wavelet_picture.h"

namespace orvath::testing {
namespace {

const Strings kApproaching = {"width 5", "pset:0,0,255", "line:255,5,255", "circle:fg",
                              "circle:fg"};
const Strings kCrossingPastHit = {"circle:255,0,0", "circle:255,0,0", "line:fg",
                                  "width 5",        "pset:0,0,255",   "circle:fg"};
const Strings kRefracted = {"width 5",   "pset:255,0,255", "circle:fg",
                            "circle:fg", "line:fg",        "lineto:fg"};

struct PhaseCase {
    const char* what;
    int angle, index, waves, time;
    std::int16_t flag;
    std::size_t ray;
    Strings outline;
};

TEST(RayPhases, EachRayIsDrawnInItsPhase) {
    const std::vector<PhaseCase> cases = {
        {"approaching", 25, 50, 10, 2000, 0, 2, kApproaching},
        {"wavelet dips below the boundary, 0.005 before the hit time",
         25,
         50,
         10,
         1418,
         0,
         0,
         {"width 5", "pset:0,0,255", "circle:255,0,0", "circle:255,0,0"}},
        {"crossing, 0.005 after the hit time", 25, 50, 10, 1419, 0, 0, kCrossingPastHit},
        {"crossing at the hit time to within rounding",
         75,
         50,
         37,
         3089,
         0,
         17,
         {"circle:255,0,0", "circle:255,0,0", "line:fg", "width 5", "pset:0,0,255"}},
        {"refracted", 25, 50, 10, 2000, 0, 0, kRefracted},
        {"refracted, reaching above the boundary",
         25,
         50,
         10,
         2000,
         0,
         1,
         {"width 5", "pset:255,0,255", "circle:fg", "circle:0,0,0", "line:fg", "lineto:fg"}},
        {"beyond the critical angle", 40, 50, 10, 2000, 0, 0, {"circle:fg"}},
        {"critical, reaching the vertical front",
         30,
         50,
         10,
         2750,
         -1,
         3,
         {"circle:255,0,0", "circle:255,0,0", "line:fg", "width 5", "pset:0,0,255", "width 9",
          "pset:fg", "circle:fg"}},
        {"same ray without the flag", 30, 50, 10, 2750, 0, 3, kCrossingPastHit},
        {"starting below the boundary, time 0", 50, 80, 10, 0, 0, 0, {}},
        {"starting below the boundary", 50, 80, 10, 50, 0, 0, kRefracted},
    };
    for (const auto& c : cases) {
        const auto picture = DrawPicture(c.angle, c.index, c.waves, c.time, {c.flag});
        EXPECT_EQ(Outline(picture.Phase(c.ray)), c.outline) << c.what;
    }
}

TEST(ApproachingPhase, WaveletsGrowFromTheStartFrontAndJumpAWavelengthEachPeriod) {
    const auto atZero = DrawPicture(25, 50, 10, 0);
    for (std::size_t i = 0; i < atZero.rays.size(); ++i) {
        const auto ops = atZero.PhaseOps(i);
        EXPECT_EQ(ops[1].numbers, (Numbers{ops[2][0], ops[2][1]})) << "ray " << i;
        EXPECT_EQ(ops[3][2], 0);
    }
    const auto before = DrawPicture(25, 50, 10, 1799).PhaseOps(5);
    const auto after = DrawPicture(25, 50, 10, 1800).PhaseOps(5);
    EXPECT_EQ(before[3][2], 29.95f);
    EXPECT_EQ(after[3][2], 0);
    EXPECT_NEAR(std::hypot(after[1][0] - before[1][0], after[1][1] - before[1][1]), 30, 1e-4);
    // A wavelet dipping below the boundary starts on it, 2.18 into the period.
    const auto dipping = DrawPicture(25, 50, 10, 1418).PhaseOps(0);
    EXPECT_EQ(dipping[2][2], 10.9f);
    EXPECT_NEAR(dipping[1][1] + 10.9 * std::sin(dipping[2][3]), 0, 1e-4);
    EXPECT_EQ(dipping[3].numbers, (Numbers{dipping[1][0], dipping[1][1], 10.9f, 0, 0.436332315f}));
}

TEST(CrossingPhase, SecondaryWaveletGrowsFromTheHitPointAtTheSecondSpeed) {
    const auto picture = DrawPicture(25, 50, 10, 1450);
    const auto ops = picture.PhaseOps(0);
    EXPECT_EQ(ops[2][2], picture.HitX(0));  // the ray ends at the hit point
    // So small a wavelet misses the refracted front: the whole lower half.
    EXPECT_EQ(ops[5].numbers, (Numbers{picture.HitX(0), 0, ops[5][2], kPiF, kTwoPiF}));
    EXPECT_NEAR(ops[5][2], (14.5 - FirstRayHitTime(25)) * 10, 1e-4);
    // Beyond the critical angle too, and later as the refracted phase.
    const auto beyond = DrawPicture(40, 50, 10, 500);
    const Op early = beyond.PhaseOps(0)[5];
    const Op late = DrawPicture(40, 50, 10, 2000).PhaseOps(0)[0];
    EXPECT_NEAR(beyond.HitX(0), FirstRayHitX(40), 1e-3);
    EXPECT_EQ(early.numbers, (Numbers{beyond.HitX(0), 0, early[2], kPiF, kTwoPiF}));
    EXPECT_NEAR(early[2], (5 - FirstRayHitTime(40)) * 10, 1e-4);
    EXPECT_EQ(late.numbers, (Numbers{early[0], 0, late[2], kPiF, kTwoPiF}));
    EXPECT_NEAR(late[2], (20 - FirstRayHitTime(40)) * 10, 1e-4);
}

TEST(CrossingPhase, ArcStartsWhereTheRefractedFrontCutsTheSecondaryWavelet) {
    const Op wavelet = DrawPicture(4, 50, 10, 2810).PhaseOps(9).at(5);
    EXPECT_GT(wavelet[3], kPi + 1e-3);
    // The refracted front runs through the boundary point of the front of 4
    // whole periods at the refraction angle asin(2 sin 4 degrees).
    const double slope = std::tan(std::asin(2 * std::sin(Radians(4))));
    const double x = wavelet[0] + wavelet[2] * std::cos(wavelet[3]);
    EXPECT_NEAR(wavelet[2] * std::sin(wavelet[3]), (x - FrontCut(4, 4)) * slope, 1e-3);
}

TEST(CrossingPhase, AtNormalIncidenceTheSecondaryWaveletIsTheWholeLowerHalf) {
    const auto picture = DrawPicture(0, 50, 10, 2050);
    for (std::size_t i = 0; i < picture.rays.size(); ++i) {
        ASSERT_EQ(Outline(picture.Phase(i)), kCrossingPastHit) << "ray " << i;
        // Centre 10 above the boundary, radius 12.5: 2.5 past it, 5 at C2.
        const auto ops = picture.PhaseOps(i);
        EXPECT_EQ(ops[1].numbers, (Numbers{picture.HitX(i), 10, 12.5, 0, 0}));
        EXPECT_EQ(ops[5].numbers, (Numbers{picture.HitX(i), 0, 5, kPiF, kTwoPiF}));
    }
}

TEST(CriticalAngle, MarksWhereTheSecondaryWaveletMeetsTheVerticalFront) {
    const auto ops = DrawPicture(30, 50, 10, 2750, {-1}).PhaseOps(3);
    const Op& mark = ops.at(6);
    const Op& wavelet = ops.at(7);
    EXPECT_NEAR(mark[0], FrontCut(30, 4), 1e-3);
    EXPECT_NEAR(std::hypot(mark[0] - wavelet[0], mark[1]), wavelet[2], 1e-3);
    EXPECT_NEAR(wavelet[3], kPi + std::atan(std::fabs(mark[1] / (mark[0] - wavelet[0]))), 1e-6);
    // A wavelet wholly right of the vertical front of 2 periods.
    const Op whole = DrawPicture(30, 50, 10, 1650, {-1}).PhaseOps(1).at(5);
    EXPECT_GT(whole[0] - whole[2], FrontCut(30, 2));
    EXPECT_EQ(whole[3], kPiF);
    // The refracted ray runs along the boundary; the default-colour arc is
    // the lower-right quarter and the black arc very short.
    const auto refracted = DrawPicture(30, 50, 10, 1250, {-1}).PhaseOps(0);
    EXPECT_NEAR(refracted[1][1], 0, 1e-5);
    EXPECT_FLOAT_EQ(refracted[2][3], 1.5 * kPi);
    EXPECT_LT(refracted[3][4], 1e-4);
}

TEST(RefractedPhase, RayBendsAtTheHitPointOrGoesOnStraightWithEqualSpeeds) {
    const auto straight = DrawPicture(40, 100, 10, 2000).PhaseOps(0);
    const Op& in = straight[4];
    const Op& out = straight[5];
    EXPECT_NEAR((in[2] - in[0]) * (out[1] - in[3]) - (in[3] - in[1]) * (out[0] - in[2]), 0, 0.05);
    const Op later = DrawPicture(40, 100, 10, 2600).PhaseOps(0)[1];
    EXPECT_NEAR(std::hypot(later[0] - straight[1][0], later[1] - straight[1][1]), 30, 1e-3);
    // Above 45 degrees ray 0 starts below the boundary; its hit point is
    // where the backward extension meets the boundary.
    const Op below = DrawPicture(50, 80, 10, 50).PhaseOps(0)[4];
    EXPECT_LT(below[1], 0);
    EXPECT_NEAR(below[2], FirstRayHitX(50), 1e-3);
    EXPECT_LT(below[2], below[0]);
}

TEST(RefractedPhase, RayLengthRoundedOntoAWholeWavelengthKeepsTheCentreAtTheHitPoint) {
    // At this client size ray 5 is 119.9999991 long to the boundary, 120 in
    // single precision: the wave crosses exactly at its fourth wavelength.
    const auto picture = DrawPicture(43, 69, 21, 2401, {.clientWidth = 3523, .clientHeight = 1427});
    ASSERT_EQ(Outline(picture.Phase(5)), (Strings{"width 5", "pset:255,0,255", "circle:fg",
                                                  "circle:0,0,0", "line:fg", "lineto:fg"}));
    const auto ops = picture.PhaseOps(5);
    EXPECT_EQ(ops[1].numbers, (Numbers{picture.HitX(5), 0}));
    EXPECT_EQ(ops[3].numbers, (Numbers{picture.HitX(5), 0, ops[3][2], 0, 0}));
}

TEST(RayTable, RaysSpanTheStartFrontWhateverTheirNumber) {
    for (const int waves : {5, 39}) {
        const auto picture = DrawPicture(25, 50, waves, 2000);
        ASSERT_EQ(picture.rays.size(), waves + 1u);
        EXPECT_NEAR(picture.HitX(0), FirstRayHitX(25), 1e-3);
        EXPECT_NEAR(picture.HitX(waves), 100 * std::tan(Radians(25)), 1e-3);
    }
    // At normal incidence they fall straight from the top edge; the second
    // arc of each forward half runs from 0 to 0 and is passed as it is.
    const auto normal = DrawPicture(0, 50, 10, 100);
    for (std::size_t i = 0; i < normal.rays.size(); ++i) {
        EXPECT_NEAR(normal.HitX(i), kXLeft * (1 - i / 10.0), 1e-4);
        const auto ops = normal.PhaseOps(i);
        EXPECT_EQ(ops[2].numbers, (Numbers{normal.HitX(i), 100, normal.HitX(i), 0}));
        EXPECT_EQ(ops[4].numbers, (Numbers{normal.HitX(i), 100, 5, 0, 0}));
    }
}

TEST(PenState, EveryWidePenIsSetBackAndOnlyTheClosingStageDashes) {
    for (const auto& picture : {DrawPicture(30, 50, 10, 2750, {-1}), DrawPicture(0, 50, 5, 2050)}) {
        for (std::size_t i = 0; i < picture.all.size(); ++i) {
            if (picture.all[i] == "width 5" || picture.all[i] == "width 9") {
                ASSERT_LT(i + 2, picture.all.size());
                EXPECT_EQ(picture.all[i + 2], "width 1");
            }
        }
        EXPECT_EQ(LinesStartingWith(picture.all, "style"), (Strings{"style 1", "style 0"}));
        EXPECT_EQ(picture.all.back(), "style 0");
    }
}

}  // namespace
}  // namespace orvath::testing
