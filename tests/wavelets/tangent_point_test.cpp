// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "wavelets/tangent_point.h"

namespace orvath::wavelets {
namespace {

// Wavelets of radius 5 against fronts of slope 3/4: 3-4-5 triangles.
TEST(TangentPoint, TakesTheLeftHandCutOrNoneWhenTheFrontMisses) {
    // x^2 + (3/4 (x - 5))^2 = 25 has the roots -1.4 and 5.
    const auto point =
        FindTangentPoint({.hitX = 0, .hitWaveR = 5, .frontCutX = 5, .tanRefr = 0.75});
    ASSERT_TRUE(point);
    EXPECT_DOUBLE_EQ(point->tangentX, -1.4);
    EXPECT_DOUBLE_EQ(point->tangentY, -4.8);
    EXPECT_FALSE(point->marked);
    // Through (20, 0) the front passes 12 from the centre.
    EXPECT_FALSE(FindTangentPoint({.hitX = 0, .hitWaveR = 5, .frontCutX = 20, .tanRefr = 0.75}));
    // Through the origin at slope 0.2 it enters the circle about (10, 0) at
    // y = 1.02, above the boundary: the leftmost point instead.
    const auto above =
        FindTangentPoint({.hitX = 10, .hitWaveR = 5, .frontCutX = 0, .tanRefr = 0.2});
    ASSERT_TRUE(above);
    EXPECT_EQ(above->tangentX, 5);
    EXPECT_EQ(above->tangentY, 0);
}

TEST(TangentPoint, AtTheCriticalAngleTheFrontIsVertical) {
    const TangentQuery reaching{.hitX = 0, .hitWaveR = 5, .frontCutX = 3, .criticalFlagSet = true};
    const auto point = FindTangentPoint(reaching);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->tangentX, 3);
    EXPECT_EQ(point->tangentY, -4);
    EXPECT_TRUE(point->marked);

    TangentQuery shortOfIt = reaching;
    shortOfIt.hitWaveR = 2;
    const auto leftmost = FindTangentPoint(shortOfIt);
    ASSERT_TRUE(leftmost);
    EXPECT_EQ(leftmost->tangentX, -2);
    EXPECT_EQ(leftmost->tangentY, 0);
    EXPECT_FALSE(leftmost->marked);

    // The one critical query the vertical front leaves to the quadratic, with
    // the steep slope an earlier ray left: a point wavelet is not cut.
    EXPECT_FALSE(FindTangentPoint(
        {.hitX = 0, .hitWaveR = 0, .frontCutX = 0, .tanRefr = 1e8, .criticalFlagSet = true}));
}

}  // namespace
}  // namespace orvath::wavelets
