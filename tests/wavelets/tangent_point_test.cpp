// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "wavelets/tangent_point.h"

namespace orvath::wavelets {
namespace {

// Wavelets of radius 5 against fronts of slope 3/4: 3-4-5 triangles.
TEST(TangentPoint, TakesTheLeftHandCutOrNoneWhenTheFrontMisses) {
    // x^2 + (3/4 (x - 5))^2 = 25 has the roots -1.4 and 5.
    const auto point =
        FindTangentPoint({.HitX = 0, .HitWaveR = 5, .FrontCutX = 5, .TanRefr = 0.75});
    ASSERT_TRUE(point);
    EXPECT_DOUBLE_EQ(point->TangentX, -1.4);
    EXPECT_DOUBLE_EQ(point->TangentY, -4.8);
    EXPECT_FALSE(point->Marked);
    // Through (20, 0) the front passes 12 from the centre.
    EXPECT_FALSE(FindTangentPoint({.HitX = 0, .HitWaveR = 5, .FrontCutX = 20, .TanRefr = 0.75}));
    // Through the origin at slope 0.2 it enters the circle about (10, 0) at
    // y = 1.02, above the boundary: the leftmost point instead.
    const auto above =
        FindTangentPoint({.HitX = 10, .HitWaveR = 5, .FrontCutX = 0, .TanRefr = 0.2});
    ASSERT_TRUE(above);
    EXPECT_EQ(above->TangentX, 5);
    EXPECT_EQ(above->TangentY, 0);
}

TEST(TangentPoint, AtTheCriticalAngleTheFrontIsVertical) {
    const TangentQuery reaching{.HitX = 0, .HitWaveR = 5, .FrontCutX = 3, .CriticalFlagSet = true};
    const auto point = FindTangentPoint(reaching);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->TangentX, 3);
    EXPECT_EQ(point->TangentY, -4);
    EXPECT_TRUE(point->Marked);

    TangentQuery shortOfIt = reaching;
    shortOfIt.HitWaveR = 2;
    const auto leftmost = FindTangentPoint(shortOfIt);
    ASSERT_TRUE(leftmost);
    EXPECT_EQ(leftmost->TangentX, -2);
    EXPECT_EQ(leftmost->TangentY, 0);
    EXPECT_FALSE(leftmost->Marked);

    // The one critical query the vertical front leaves to the quadratic, with
    // the steep slope an earlier ray left: a point wavelet is not cut.
    EXPECT_FALSE(FindTangentPoint(
        {.HitX = 0, .HitWaveR = 0, .FrontCutX = 0, .TanRefr = 1e8, .CriticalFlagSet = true}));
}

}  // namespace
}  // namespace orvath::wavelets
