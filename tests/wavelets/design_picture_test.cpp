// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "wavelet_picture.h"

namespace orvath::testing {
namespace {

// The design values: angle 25, index 50 (C2 = 10), 10 waves, time 20 = 3
// periods and 2 time units.
WaveletPicture Design() {
    return DrawPicture(25, 50, 10, 2000);
}

TEST(DesignPicture, StartsWithTheReferenceLinesAndTheTimeCaption) {
    const auto picture = Design();
    ASSERT_GE(picture.all.size(), 6u);
    EXPECT_EQ(
        Strings(picture.all.begin(), picture.all.begin() + 6),
        (Strings{"line -355.555542 0 0 0 fg", "line 0 -100 0 100 fg", "line -355.555542 0 0 0 fg",
                 "width 5", "pset -402.186279 0 255,0,0", "width 1"}));
    EXPECT_EQ(picture.captions, Strings{"TIME= 20.00 * T"});
    // Reference lines, boundary and hit dot per ray, two refracted and nine
    // approaching rays, the closing stage; the same at every 16:9 size.
    EXPECT_EQ(picture.all.size(), 2 + 11 * 4 + 2 * 7 + 9 * 6 + 15u);
    EXPECT_EQ(DrawPicture(25, 50, 10, 2000, {.clientWidth = 1920, .clientHeight = 1080}).all,
              picture.all);
}

TEST(DesignPicture, HitPointsAreEvenlySpacedAndFarRaysApproach) {
    const auto picture = Design();
    ASSERT_EQ(picture.rays.size(), 11u);
    // Rays (W cos + H sin) / 10 apart across the front hit the boundary
    // (W + H tan) / 10 apart.
    const double spacing = (-kXLeft + 200 * std::tan(Radians(25))) / 10;
    for (std::size_t i = 0; i < picture.rays.size(); ++i) {
        EXPECT_NEAR(picture.HitX(i), FirstRayHitX(25) + spacing * i, 2e-4) << "ray " << i;
    }
    // Radius 2 * C1; the forward half from pi + 25 degrees round to 25 degrees;
    // the centre three wavelengths down the ray from its start.
    const auto ray2 = picture.Phase(2);
    EXPECT_EQ(ray2[3], "circle -320.393219 17.0924397 10 3.57792497 6.28318548 fg");
    EXPECT_EQ(ray2[4], "circle -320.393219 17.0924397 10 0 0.436332315 fg");
    const Op start = ParseOp(ray2[2]);
    EXPECT_NEAR(start[0] + 90 * std::sin(Radians(25)), -320.393219, 1e-4);
    EXPECT_NEAR(start[1] - 90 * std::cos(Radians(25)), 17.0924397, 1e-4);
}

TEST(DesignPicture, FirstRaysCarryTheirRefractedWaveletsAlongTheRefractedRay) {
    const auto picture = Design();
    const Strings refracted = {"width 5",   "pset:255,0,255", "circle:fg",
                               "circle:fg", "line:fg",        "lineto:fg"};
    EXPECT_EQ(Outline(picture.Phase(0)), refracted);
    // Ray 0 is 70.92 long to the boundary, 2.364 wavelengths: the remaining
    // 0.636 of a wavelength goes on in medium 2 (wavelength 60) at the
    // refraction angle asin(2 sin 25).
    const double thetaRefr = std::asin(2 * std::sin(Radians(25)));
    const double shift = (3 - FirstRayHitTime(25) * 5 / 30) * 60;
    const auto ops = ParseOps(picture.Phase(0));
    EXPECT_NEAR(ops[1][0], FirstRayHitX(25) + shift * std::sin(thetaRefr), 1e-3);
    EXPECT_NEAR(ops[1][1], -shift * std::cos(thetaRefr), 1e-3);
    EXPECT_EQ(ops[2].numbers, (Numbers{ops[1][0], ops[1][1], 20, 4.1486001f, 6.28318548f}));
    EXPECT_EQ(ops[3][4], 1.0070076f);
    EXPECT_EQ(ops[4][2], picture.HitX(0));
    EXPECT_EQ(ops[5].numbers, (Numbers{ops[1][0], ops[1][1]}));

    // Ray 1's forward half reaches above the boundary: its black arc stops
    // where the circle meets the boundary.
    const auto ray1 = ParseOps(picture.Phase(1));
    ASSERT_EQ(ray1[3].colour, "0,0,0");
    EXPECT_GT(ray1[1][1] + 20 * std::sin(thetaRefr), 0);
    EXPECT_NEAR(ray1[1][1] + 20 * std::sin(ray1[3][4]), 0, 1e-4);
}

TEST(DesignPicture, ClosesWithTheDashedFronts) {
    const auto picture = Design();
    ASSERT_EQ(picture.closing.size(), 15u);
    const auto lines = picture.ClosingLines();
    const double sinRefr = 2 * std::sin(Radians(25));
    const double cosRefr = std::sqrt(1 - sinRefr * sinRefr);
    // The current centres lie on the front 3 wavelengths on; the current
    // front touches the wavelets 10 further on.
    const double centreHitX = FrontCut(25, 3);
    EXPECT_NEAR(lines[0][2], centreHitX + 10 / std::sin(Radians(25)), 0.01);
    EXPECT_NEAR(lines[1][0], centreHitX - 220 * cosRefr, 0.01);
    EXPECT_EQ(lines[2].colour, "255,0,0");
    EXPECT_EQ(lines[2][0], ParseOp(picture.Phase(0)[1])[0]);  // ray 0's refracted centre
    EXPECT_NEAR(lines[2][2], centreHitX, 0.01);
    EXPECT_NEAR(lines[3][3], -300 * sinRefr, 1e-3);
    EXPECT_NEAR(lines[4][0], centreHitX, 0.01);
    for (int j = 0; j <= 3; ++j) {
        EXPECT_NEAR(lines[5 + 2 * j][2], FrontCut(25, j), 1e-3) << "front " << j;
        EXPECT_NEAR(lines[6 + 2 * j][2], FrontCut(25, j) - 300 * cosRefr, 1e-3);
    }
}

}  // namespace
}  // namespace orvath::testing
