// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "wavelet_picture.h"

namespace orvath::testing {
namespace {

TEST(ClosingStage, BeforeTheFirstPeriodTheStartFrontIsTheOnlyElapsedFront) {
    const auto lines = DrawPicture(25, 50, 10, 300).ClosingLines();
    ASSERT_EQ(lines.size(), 7u);
    // Ray 0 has no refracted wavelet yet: the red line starts at the origin.
    EXPECT_EQ(lines[2].colour, "255,0,0");
    EXPECT_EQ(lines[2].numbers, (Numbers{0, 0, lines[2][2], 0}));
    // The start front from its upper end, the foot of the perpendicular from
    // the top-right corner (0, 100).
    const double c = std::cos(Radians(25));
    EXPECT_NEAR(lines[5][0], kXLeft * (1 - c * c), 1e-4);
    EXPECT_NEAR(lines[5][1], 100 - kXLeft * std::sin(Radians(25)) * c, 1e-4);
    EXPECT_NEAR(lines[5][2], FrontCut(25, 0), 1e-3);
    EXPECT_EQ(lines[6][0], lines[5][2]);
    // One more front, with its continuation, at each whole period.
    EXPECT_EQ(DrawPicture(25, 50, 10, 1799).ClosingLines().size(), 5 + 2 * 3u);
    EXPECT_EQ(DrawPicture(25, 50, 10, 1800).ClosingLines().size(), 5 + 2 * 4u);
}

TEST(ClosingStage, LateFrontsAreDrawnFromBelowTheBoundaryWithoutACurrentFront) {
    // At time 50 (8 periods) no centre is above the boundary at 10 degrees.
    const auto lines = DrawPicture(10, 50, 10, 5000).ClosingLines();
    ASSERT_EQ(lines.size(), 18u);
    for (int j = 0; j <= 8; ++j) {
        const Op& front = lines[2 * j];
        EXPECT_NEAR(front[2], FrontCut(10, j), 1e-3);
        EXPECT_EQ(front[1] < 0, j >= 6) << "front " << j;
        EXPECT_EQ(lines[2 * j + 1][0], front[2]);
        EXPECT_NEAR(lines[2 * j + 1][3], -600 * std::sin(Radians(10)), 1e-4);
    }
}

TEST(ClosingStage, LeavesOutTheLinesThatDoNotExist) {
    // Beyond the critical angle: no refracted continuation and no red line.
    const auto beyond = DrawPicture(40, 50, 10, 2000).ClosingLines();
    ASSERT_EQ(beyond.size(), 6u);
    for (const Op& line : beyond) {
        EXPECT_EQ(line.colour, "fg");
        EXPECT_GE(std::min(line[1], line[3]), 0);
    }
    // The line of centres ends at the last centre, where the last front starts.
    EXPECT_EQ(Numbers(beyond[1].numbers.begin() + 2, beyond[1].numbers.end()),
              Numbers(beyond[5].numbers.begin(), beyond[5].numbers.begin() + 2));

    // Only the last centre above the boundary: no line of centres; the
    // current front and five elapsed fronts, each with its continuation.
    const auto single = DrawPicture(4, 50, 5, 2400).ClosingLines();
    ASSERT_EQ(single.size(), 12u);
    for (const Op& line : single) {
        EXPECT_EQ(line.colour, "fg");
    }
    EXPECT_EQ(single[1][0], single[0][2]);
    EXPECT_NEAR(single[0][2], single[10][2], 1e-3);  // at a whole period it is the last front
}

TEST(ClosingStage, AtNormalIncidenceFrontsAboveTheBoundarySpanTheView) {
    EXPECT_EQ(DrawPicture(0, 50, 10, 1000).closing,
              (Strings{"style 1", "line -355.555542 50 0 50 fg", "line -355.555542 100 0 100 fg",
                       "line -355.555542 70 0 70 fg", "style 0"}));
    // At 20.5 the current front is 2.5 below the boundary; at 50 so are the
    // fronts of periods 4 to 8.
    const Strings fourFronts = {"style 1",
                                "line -355.555542 100 0 100 fg",
                                "line -355.555542 70 0 70 fg",
                                "line -355.555542 40 0 40 fg",
                                "line -355.555542 10 0 10 fg",
                                "style 0"};
    EXPECT_EQ(DrawPicture(0, 50, 10, 2050).closing, fourFronts);
    EXPECT_EQ(DrawPicture(0, 50, 10, 5000).closing, fourFronts);
}

}  // namespace
}  // namespace orvath::testing
